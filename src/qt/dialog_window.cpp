#include "qt/dialog_window.h"

#include <algorithm>
#include <optional>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/codepage.h"
#include "core/controls.h"
#include "core/dialog_manager.h"

namespace stenvik::qt {

namespace {

QString TextOf(const dialog::Control& spec) { return QString::fromUtf8(AsChars(spec.text)); }

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {32, 48, 256}) icon.addFile(QStringLiteral(":/icons/stenvik-%1.png").arg(size));
    return icon;
}

// Windows draws a group box's title on its frame line and puts a check
// mark's text close to the box; Qt's defaults would clip the short texts
// that the dialog's narrow check boxes were measured for. A title sits as
// low as Windows puts it, or the dots of "SÄKRA" would fall off the top.
QString WindowsLook(const QFont& font, BaseUnits units) {
    const int titleDrop = std::max(0, units.y - QFontMetrics(font).height());
    return QStringLiteral(
               "QCheckBox, QRadioButton { spacing: %1px; }"
               "QGroupBox { border: 1px solid palette(mid); margin-top: %2px; }"
               "QGroupBox::title { subcontrol-origin: margin; left: %3px; padding: %4px 1px 0 1px;"
               " background-color: palette(window); }")
        .arg(units.x / 2)
        .arg(units.y / 2)
        .arg(units.x)
        .arg(titleDrop);
}

// A click anywhere in a check box's or radio button's rectangle is its own on
// Windows; Qt takes only clicks on the mark and the text.
template <typename Button>
class WholeRectButton final : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

bool IsEnterKey(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

// Down and Right go forwards through the group, Up and Left backwards.
std::optional<bool> ArrowBackwards(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Down:
        case Qt::Key_Right: return false;
        case Qt::Key_Up:
        case Qt::Key_Left: return true;
        default: return std::nullopt;
    }
}

}  // namespace

DialogWindow::DialogWindow(const QFont& font)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      _units(MeasureBaseUnits(font)) {
    setFont(font);
    setStyleSheet(WindowsLook(font, _units));
    setWindowTitle(QString::fromStdString(dialog::CaptionUtf8()));
    setWindowIcon(ProgramIcon());
    setFixedSize(ToPixels(dialog::kFrame.rect, _units).size());

    _controls.reserve(dialog::kControls.size());
    for (const auto& spec : dialog::kControls) {
        QWidget* widget = MakeWidget(spec);
        widget->setGeometry(ToPixels(spec.rect, _units));
        _controls.push_back({&spec, widget});
    }
    StackAsWindows();
}

// Qt puts a later sibling over an earlier one, Windows the earlier over the
// later: where rectangles overlap (the sure-match rows by 2 units, the cover
// counts by 1), a click must reach the control Windows gives it to. Group
// boxes and labels let clicks through as on Windows, and the group boxes
// lie under what they frame.
void DialogWindow::StackAsWindows() {
    for (auto control = _controls.rbegin(); control != _controls.rend(); ++control) {
        const dialog::Kind kind = control->spec->kind;
        if (kind == dialog::Kind::GroupBox || kind == dialog::Kind::Label) {
            control->widget->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        if (kind == dialog::Kind::GroupBox) {
            control->widget->lower();
        } else {
            control->widget->raise();
        }
    }
}

QWidget* DialogWindow::MakeWidget(const dialog::Control& spec) {
    const std::size_t index = _controls.size();
    const auto clicked = [this, index] { UserClicked(index); };
    switch (spec.kind) {
        // An arrow key may give the focus to any control of a group, so all
        // but the rows box, which keeps its arrows, pass their keys here.
        case dialog::Kind::GroupBox: {
            auto* frame = new QGroupBox(TextOf(spec), this);
            frame->installEventFilter(this);
            return frame;
        }
        case dialog::Kind::Label: {
            auto* label = new QLabel(TextOf(spec), this);
            label->setTextFormat(Qt::PlainText);
            label->installEventFilter(this);
            return label;
        }
        case dialog::Kind::CheckBox: {
            // Check boxes and radio buttons are no tab stops; a click focuses them.
            auto* box = new WholeRectButton<QCheckBox>(TextOf(spec), this);
            box->setFocusPolicy(Qt::ClickFocus);
            box->installEventFilter(this);
            connect(box, &QAbstractButton::clicked, this, clicked);
            return box;
        }
        case dialog::Kind::RadioButton: {
            auto* radio = new WholeRectButton<QRadioButton>(TextOf(spec), this);
            radio->setAutoExclusive(false);  // the group rule is applied by hand, see UserClicked
            radio->setFocusPolicy(Qt::ClickFocus);
            radio->installEventFilter(this);
            connect(radio, &QAbstractButton::clicked, this, clicked);
            return radio;
        }
        case dialog::Kind::PushButton: {
            auto* button = new QPushButton(TextOf(spec), this);
            button->setAutoDefault(false);
            button->installEventFilter(this);
            connect(button, &QAbstractButton::clicked, this, clicked);
            return button;
        }
        case dialog::Kind::Edit: {
            _rowsBox = new QPlainTextEdit(TextOf(spec), this);
            _rowsBox->setLineWrapMode(QPlainTextEdit::NoWrap);
            _rowsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            _rowsBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            _rowsBox->setTabChangesFocus(true);
            _rowsBox->installEventFilter(this);
            // The program's own texts go in with signals blocked, so only typing gets here.
            connect(_rowsBox, &QPlainTextEdit::textChanged, this, [this, id = spec.id] { Deliver(id, kEditChanged); });
            return _rowsBox;
        }
    }
    return nullptr;
}

QWidget* DialogWindow::Widget(int id) const {
    if (id == dialog::kNoId) return nullptr;
    for (const auto& control : _controls) {
        if (control.spec->id == id) return control.widget;
    }
    return nullptr;
}

bool DialogWindow::Usable(std::size_t index) const {
    const QWidget* widget = _controls[index].widget;
    return !widget->isHidden() && widget->isEnabledTo(this);
}

void DialogWindow::FocusFirstTabStop() {
    const auto first = dialog::NextTabStop(std::nullopt, false, [this](std::size_t i) { return Usable(i); });
    if (first) FocusAsDialogManager(_controls[*first].widget);
}

// Set directly as well as on the focus event: a window not yet shown gets
// its focus event only when it is activated, for another reason.
void DialogWindow::FocusAsDialogManager(QWidget* widget) {
    widget->setFocus(Qt::TabFocusReason);
    if (widget == _rowsBox) _rowsBox->selectAll();
}

// The next control of the group gets the focus; an automatic radio button
// that is not checked is clicked as a user clicks it, so the Controller
// hears of it.
bool DialogWindow::ArrowKey(QObject* watched, const QKeyEvent& key) {
    const auto backwards = ArrowBackwards(key);
    const auto from = std::ranges::find(_controls, watched, &DialogControl::widget);
    if (!backwards || from == _controls.end()) return false;
    const auto index = static_cast<std::size_t>(from - _controls.begin());
    const auto next = dialog::NextInGroup(index, *backwards, [this](std::size_t i) { return Usable(i); });
    if (!next) return true;
    FocusAsDialogManager(_controls[*next].widget);
    auto* button = qobject_cast<QAbstractButton*>(_controls[*next].widget);
    if (button != nullptr && dialog::ArrowClicks(*next, button->isChecked())) button->click();
    return true;
}

// Qt has already toggled the box or marked the radio button; a radio button
// must also stay marked when clicked again, and clear others of its group
// as the Windows dialog manager does.
void DialogWindow::UserClicked(std::size_t index) {
    const DialogControl& clicked = _controls[index];
    if (clicked.spec->kind == dialog::Kind::RadioButton) {
        dialog::ClickRadioButton(
            index, [this](std::size_t i) { return Usable(i); },
            [this](std::size_t i, bool checked) {
                qobject_cast<QAbstractButton*>(_controls[i].widget)->setChecked(checked);
            });
    }
    Deliver(clicked.spec->id, kClicked);
}

void DialogWindow::Deliver(int id, int code) const {
    if (_onCommand) _onCommand(id, code);
}

// Enter on a focused push button presses it, as the Windows dialog manager
// does; Qt leaves that to default buttons of a QDialog. Tab into the rows
// box selects its text.
bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == _rowsBox) {
        const auto reason =
            event->type() == QEvent::FocusIn ? static_cast<QFocusEvent*>(event)->reason() : Qt::NoFocusReason;
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) _rowsBox->selectAll();
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (auto* button = qobject_cast<QPushButton*>(watched); button != nullptr && IsEnterKey(key)) {
            button->click();
            return true;
        }
        if (ArrowKey(watched, key)) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (_onClose) _onClose();
    event->accept();
}

}  // namespace stenvik::qt
