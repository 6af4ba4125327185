"""Flexural and stirrup design of a rectangular section by the strength method, from the
textbook formulas, in kg, cm and kg/cm2 (moments in t*m, shears in t where noted).

These follow the method the program uses, which is the strength design of ACI 318-99 (phi =
0.90 in flexure and 0.85 in shear, rho_max = 0.75 rho_b, stirrup spacing from Vs = Av fy d /
s); where ACI 318-19 asks for something else the function says so in its description.
"""

import math

EPS_CU_ES = 6117.0  # 0.003 x 2.039e6 kg/cm2
FI_FLEXION = 0.90
FI_CORTANTE = 0.85


def beta1(fc):
    """Stress-block depth factor, §22.2.2.4.3: 0.85 up to 280 kg/cm2, 0.05 less for each
    70 kg/cm2 above, not below 0.65."""
    return min(0.85, max(0.65, 0.85 - 0.05 * (fc - 280) / 70))


def cuantia_balanceada(fc, fy):
    """rho_b = 0.85 beta1 f'c / fy x 6117 / (6117 + fy): the steel ratio at which the steel
    yields (fy / Es) as the concrete reaches 0.003 (similar triangles of the strains)."""
    return 0.85 * beta1(fc) * fc / fy * EPS_CU_ES / (EPS_CU_ES + fy)


def cuantia_maxima(fc, fy):
    """rho_max = 0.75 rho_b (ACI 318-99 §10.3.3; ACI 318-19 instead asks for a net tensile
    strain of at least 0.004 (§9.3.3.1) and lowers phi below 0.005 (Table 21.2.2))."""
    return 0.75 * cuantia_balanceada(fc, fy)


def momento_limite_simple(fc, fy, b, d):
    """Mu1 = phi rho_max fy b d^2 (1 - 0.59 rho_max fy / f'c), t*m: the largest moment of
    single reinforcement."""
    r = cuantia_maxima(fc, fy)
    return FI_FLEXION * r * fy * b * d * d * (1 - 0.59 * r * fy / fc) / 1e5


def acero_simple(Mu, fc, fy, b, d):
    """As (cm2) for Mu (t*m) with single reinforcement: from Mu = phi As fy (d - a/2),
    a = As fy / (0.85 f'c b),

        As = 0.85 f'c b d / fy (1 - sqrt(1 - 2 Mu / (phi 0.85 f'c b d^2))),

    and not less than As,min = 14 b d / fy (§9.6.1.2; the other term 0.8 sqrt(f'c) b d / fy
    governs only above f'c = 306 kg/cm2)."""
    mu = Mu * 1e5
    q = 1 - 2 * mu / (FI_FLEXION * 0.85 * fc * b * d * d)
    As = 0.85 * fc * b * d / fy * (1 - math.sqrt(q))
    return max(As, 14 * b * d / fy)


def acero_doble(Mu, fc, fy, b, d, dp):
    """(As, As', f's) for Mu (t*m) above Mu1: the compression steel takes the moment beyond
    Mu1 with the lever arm d - d',

        As' = (Mu - Mu1) / (phi fy (d - d')),   As = rho_max b d + As',

    and the compression steel must yield: c = a / beta1 with a = (As - As') fy /
    (0.85 f'c b), f's = 6117 (1 - d'/c) >= fy."""
    mu1 = momento_limite_simple(fc, fy, b, d)
    As_p = (Mu - mu1) * 1e5 / (FI_FLEXION * fy * (d - dp))
    As = cuantia_maxima(fc, fy) * b * d + As_p
    a = (As - As_p) * fy / (0.85 * fc * b)
    c = a / beta1(fc)
    return As, As_p, EPS_CU_ES * (1 - dp / c)


def diseno_flexion(Mu, fc, fy, b, d, dp):
    """(As, As') for Mu (t*m): single reinforcement up to Mu1, double beyond it."""
    if Mu <= momento_limite_simple(fc, fy, b, d):
        return acero_simple(Mu, fc, fy, b, d), 0.0
    As, As_p, fs = acero_doble(Mu, fc, fy, b, d, dp)
    if fs < fy:
        raise ValueError("el acero en compresion no fluye")
    return As, As_p


def resistencia_concreto_cortante(fc, b, d):
    """Vc = 0.53 sqrt(f'c) b d, kg (§22.5.5.1: 2 sqrt(f'c) bw d in psi)."""
    return 0.53 * math.sqrt(fc) * b * d


def estribos(Vu, fc, fy, b, d, Av=1.42):
    """Stirrups for the factored shear Vu (t) at d from the support, two legs of area Av
    (cm2, 1.42 for 3/8", 2.54 for 1/2"). Returns (Vs kg, s cm), s the spacing before it is
    rounded for the drawing:

      Vs = Vu / phi - Vc (0 when Vu < phi Vc), Vs <= 2.1 sqrt(f'c) b d (§22.5.1.2, 8 sqrt(f'c)
      psi is 2.12); s = Av fy d / Vs (§22.5.8.5.3); s <= d/2 and 60 cm (§9.7.6.2.2);
      s <= Av fy / (3.5 b) (the minimum Av = 3.5 b s / fy, §9.6.3.4: 50 bw s / fyt psi).

    ACI 318-19 (§9.7.6.2.2, as 318-99 §11.5.4.3) halves the spacing limits to d/4 and 30 cm
    when Vs > 1.06 sqrt(f'c) b d (4 sqrt(f'c) bw d psi); the program does not, so this
    function does not either: `limites_espaciamiento` gives the code's limit.
    """
    vc = resistencia_concreto_cortante(fc, b, d)
    vu = Vu * 1000
    vs = max(vu / FI_CORTANTE - vc, 0.0)
    if vs > 2.1 * math.sqrt(fc) * b * d:
        raise ValueError("seccion insuficiente por cortante")
    s_resistencia = Av * fy * d / vs if vs > 0 else math.inf
    return vs, min(s_resistencia, d / 2, 60.0, Av * fy / (3.5 * b))


def limites_espaciamiento(vs, fc, b, d):
    """Largest spacing the code allows for a given Vs (kg): d/2 and 60 cm, or d/4 and 30 cm
    when Vs > 1.06 sqrt(f'c) b d."""
    if vs > 1.06 * math.sqrt(fc) * b * d:
        return min(d / 4, 30.0)
    return min(d / 2, 60.0)
