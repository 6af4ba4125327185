#include "cli/lote_calc.h"

#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

#include "cli/json.h"
#include "cli/json_planilla.h"
#include "io/archivos.h"
#include "io/datos_programa.h"

namespace trabelux::cli {

namespace fs = std::filesystem;

namespace {

bool EsProyecto(const fs::directory_entry& e) {
    std::error_code error;
    if (!e.is_regular_file(error)) return false;
    std::string ext = e.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".vcw";
}

std::string Unidos(const std::vector<std::string>& mensajes) {
    std::string s;
    for (const std::string& m : mensajes) s += (s.empty() ? "" : "\n") + m;
    return s;
}

std::string CampoCsv(const std::string& v) {
    if (v.find_first_of(",\"\r\n") == std::string::npos) return v;
    std::string s = "\"";
    for (char c : v) s += c == '"' ? std::string("\"\"") : std::string(1, c);
    return s + "\"";
}

// One project's share of the batch, kept until its turn to be printed comes.
struct Ranura {
    std::string salida, errores, fila;
    int estado = 0;
    bool lista = false;
};

Ranura Corre(const std::string& archivo, const OpcionesCalc& o, const std::string& rutaPerfiles) {
    CorridaCalc c;
    try {
        c = CorreCalc(archivo, o, rutaPerfiles);
    } catch (const std::exception& e) {
        // One project that breaks the program must not take the others with it.
        c = CorridaCalc{};
        c.avisos.push_back(std::string("Error interno: ") + e.what());
    }
    Ranura r;
    r.estado = c.estado;
    if (o.jsonLineas) {
        if (c.proyecto) {
            r.salida = SalidaCalc(c, o, true, archivo);
        } else {
            Json j(true);
            j.Abre().Texto("file", archivo).Texto("status", "unreadable");
            j.Texto("message", Unidos(c.avisos)).Cierra();
            r.salida = j.Resultado() + "\n";
        }
    } else if (c.proyecto) {
        r.salida = o.json ? SalidaCalc(c, o) : "Archivo: " + archivo + "\n" + SalidaCalc(c, o);
    }
    for (const auto* mensajes : {&c.avisos, &c.parada})
        for (const std::string& m : *mensajes) r.errores += archivo + ": " + m + "\n";
    if (!o.resumen.empty()) r.fila = FilaResumen(archivo, c);
    return r;
}

}  // namespace

bool EsCarpeta(const std::string& ruta) {
    std::error_code error;
    return fs::is_directory(ruta, error);
}

bool LeeTrabajos(const std::string& texto, int& trabajos) {
    if (texto.empty() || texto.size() > 3 ||
        texto.find_first_not_of("0123456789") != std::string::npos)
        return false;
    trabajos = std::stoi(texto);
    return trabajos >= 1 && trabajos <= 256;
}

std::vector<std::string> ProyectosDeEntradas(const std::vector<std::string>& entradas) {
    std::vector<std::string> proyectos;
    for (const std::string& e : entradas) {
        if (e == "-") {
            for (std::string linea; std::getline(std::cin, linea);) {
                if (!linea.empty() && linea.back() == '\r') linea.pop_back();
                if (linea.find_first_not_of(" \t") != std::string::npos) proyectos.push_back(linea);
            }
        } else if (EsCarpeta(e)) {
            std::vector<fs::path> nombres;
            std::error_code error;
            for (fs::directory_iterator it(e, error), fin; !error && it != fin; it.increment(error))
                if (EsProyecto(*it)) nombres.push_back(it->path().filename());
            if (error) {
                proyectos.push_back(e);
                continue;
            }
            std::sort(nombres.begin(), nombres.end());
            for (const fs::path& n : nombres) proyectos.push_back((fs::path(e) / n).string());
        } else {
            proyectos.push_back(e);
        }
    }
    return proyectos;
}

const char* const kEncabezadoResumen =
    "file,beam,spans,status,message,max_moment,max_shear,max_reaction,top_steel,bottom_steel,"
    "steel_weight\n";

std::string FilaResumen(const std::string& archivo, const CorridaCalc& c) {
    std::vector<std::string> campos(11);
    campos[0] = archivo;
    if (!c.proyecto) {
        campos[3] = "unreadable";
        campos[4] = Unidos(c.avisos);
    } else {
        const Proyecto& p = *c.proyecto;
        const Resultados& r = *c.resultados;
        campos[1] = p.nombreViga;
        campos[2] = std::to_string(p.numVanos);
        campos[3] = r.Calculado() ? "ok" : "stopped";
        if (!r.Calculado()) campos[4] = r.parada.Mensaje();
        if (r.AnalisisCompleto()) {
            double reaccion = 0;
            for (int n = 1; n <= r.numVanos + 1; ++n)
                reaccion = std::max(reaccion, std::fabs(double{r.ReaccionNudo(n)}));
            campos[5] = Json::NumeroTexto(r.maxMomento);
            campos[6] = Json::NumeroTexto(r.maxCortante);
            campos[7] = Json::NumeroTexto(reaccion);
        }
        // Totals of a finished design only: a stopped one would add up part of the beam.
        if (r.Calculado() && !c.soloAnalisis) {
            double superior = 0, inferior = 0;
            for (const auto& f : r.refuerzoApoyos)
                superior += f.areaSuperior, inferior += f.areaInferior;
            for (const auto& f : r.refuerzoVanos)
                superior += f.areaSuperior, inferior += f.areaInferior;
            campos[8] = Json::NumeroTexto(superior);
            campos[9] = Json::NumeroTexto(inferior);
            if (r.Disenado()) campos[10] = Json::NumeroTexto(PlanillaPropuesta(p, r).kgTotal);
        }
    }
    std::string fila;
    for (size_t i = 0; i < campos.size(); ++i) fila += (i ? "," : "") + CampoCsv(campos[i]);
    return fila + "\n";
}

int CalcEnLote(const OpcionesCalc& o) {
    const std::vector<std::string> proyectos = ProyectosDeEntradas(o.entradas);
    const std::string rutaPerfiles = RutaTablaPerfiles();
    std::vector<Ranura> ranuras(proyectos.size());
    const unsigned nucleos = std::max(1u, std::thread::hardware_concurrency());
    const size_t hilos =
        std::min<size_t>(o.trabajos > 0 ? static_cast<size_t>(o.trabajos) : nucleos,
                         std::max<size_t>(1, proyectos.size()));
    // Runs go at most this far ahead of the printing, so that a slow reader of the output
    // does not make the batch hold every document at once.
    const size_t adelanto = 4 * hilos + 16;
    std::atomic<size_t> siguiente{0};
    size_t impresas = 0;
    std::mutex cerrojo;
    std::condition_variable cambio;
    auto trabaja = [&] {
        for (size_t i; (i = siguiente++) < proyectos.size();) {
            {
                std::unique_lock<std::mutex> l(cerrojo);
                cambio.wait(l, [&] { return i < impresas + adelanto; });
            }
            Ranura r = Corre(proyectos[i], o, rutaPerfiles);
            r.lista = true;
            {
                std::lock_guard<std::mutex> l(cerrojo);
                ranuras[i] = std::move(r);
            }
            cambio.notify_all();
        }
    };
    // Each worker frees a project's memory just before the next project asks for as much
    // again. With glibc's default trim threshold a thread's heap goes back to the kernel
    // after every project (madvise, then page faults and TLB flushes to get it back): a
    // third of a batch's time on the 20-span beam. A higher threshold keeps it.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    std::vector<std::thread> trabajadores;
    for (size_t k = 0; k < hilos; ++k) trabajadores.emplace_back(trabaja);

    // Printed in input order as each turn's run is ready; its memory goes as it is printed.
    int peor = 0;
    std::string resumen = kEncabezadoResumen;
    for (size_t i = 0; i < ranuras.size(); ++i) {
        Ranura r;
        {
            std::unique_lock<std::mutex> l(cerrojo);
            cambio.wait(l, [&] { return ranuras[i].lista; });
            r = std::move(ranuras[i]);
            impresas = i + 1;
        }
        cambio.notify_all();
        std::fwrite(r.salida.data(), 1, r.salida.size(), stdout);
        if (!r.errores.empty()) {
            std::fflush(stdout);
            std::fputs(r.errores.c_str(), stderr);
        }
        resumen += r.fila;
        peor = std::max(peor, r.estado);
    }
    for (std::thread& t : trabajadores) t.join();
    std::fflush(stdout);
    if (!o.resumen.empty()) {
        const Estado guardado = GuardaSalida(o.resumen, resumen);
        if (!guardado) {
            std::fprintf(stderr, "%s\n", guardado.Mensaje().c_str());
            peor = 2;
        }
    }
    return peor;
}

}  // namespace trabelux::cli
