#pragma once
// The dialog as Qt widgets, made in one loop from the dialog table, with the
// rules a user meets on Windows that Qt does not give by itself: radio
// buttons that clear only the visible, enabled others of their group, the
// Windows keys, the earlier of two overlapping controls on top, and a window
// that Escape never closes.

#include <QWidget>
#include <functional>
#include <vector>

#include "core/dialog_table.h"
#include "qt/dialog_units.h"

class QKeyEvent;
class QPlainTextEdit;

namespace stenvik::qt {

struct DialogControl {
    const dialog::Control* spec;
    QWidget* widget;  // a child of the window, which owns it
};

class DialogWindow final : public QWidget {
public:
    // A user's action on the control `id`, with its notification code.
    using CommandHandler = std::function<void(int id, int code)>;
    using CloseHandler = std::function<void()>;

    explicit DialogWindow(const QFont& font);

    void SetCommandHandler(CommandHandler handler) { _onCommand = std::move(handler); }
    void SetCloseHandler(CloseHandler handler) { _onClose = std::move(handler); }

    // In template order: a position in the table is a position here.
    const std::vector<DialogControl>& Controls() const { return _controls; }
    QWidget* Widget(int id) const;
    QPlainTextEdit* RowsBox() const { return _rowsBox; }
    BaseUnits Units() const { return _units; }

    // What Windows does after the dialog is initialised.
    void FocusFirstTabStop();
    // Focus as the dialog manager gives it by Tab or an arrow key: the rows
    // box then has its whole text selected, so the first key replaces it.
    void FocusAsDialogManager(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeWidget(const dialog::Control& spec);
    void StackAsWindows();
    bool ArrowKey(QObject* watched, const QKeyEvent& key);
    void UserClicked(std::size_t index);
    bool Usable(std::size_t index) const;
    void Deliver(int id, int code) const;

    BaseUnits _units;
    std::vector<DialogControl> _controls;
    QPlainTextEdit* _rowsBox = nullptr;
    CommandHandler _onCommand;
    CloseHandler _onClose;
};

}  // namespace stenvik::qt
