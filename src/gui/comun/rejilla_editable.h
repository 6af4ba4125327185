// The base of every grid of the program. A typed character never moves the current cell:
// there is no keyboard search, and a printable key on a cell starts editing that cell with
// the key. A value the model refuses with a message box leaves the current cell and the
// keyboard where they were, whatever key ended the typing.
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

namespace trabelux {

class RejillaEditable : public QTableView {
    Q_OBJECT
  public:
    // `nombre`: the grid's object name.
    explicit RejillaEditable(const char* nombre, QWidget* padre = nullptr);
    // Commits and closes the cell editor, if one is open (menus and buttons do this
    // before they act, so they see what was typed).
    void ConfirmaEdicion();

  protected:
    void keyboardSearch(const QString&) override {}
    void keyPressEvent(QKeyEvent* e) override;
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

  private:
    // The cell whose value was just refused, until its editor closes.
    QPersistentModelIndex rechazada_;
};

}  // namespace trabelux
