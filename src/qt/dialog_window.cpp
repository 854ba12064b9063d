#include "dialog_window.h"

#include <algorithm>

#include <QCheckBox>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "codepage.h"
#include "controls.h"
#include "dialog_manager.h"

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

bool IsEnterKey(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

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
}

QWidget* DialogWindow::MakeWidget(const dialog::Control& spec) {
    const std::size_t index = _controls.size();
    const auto clicked = [this, index] { UserClicked(index); };
    switch (spec.kind) {
        case dialog::Kind::GroupBox: return new QGroupBox(TextOf(spec), this);
        case dialog::Kind::Label: {
            auto* label = new QLabel(TextOf(spec), this);
            label->setTextFormat(Qt::PlainText);
            return label;
        }
        case dialog::Kind::CheckBox: {
            // Check boxes and radio buttons are no tab stops; a click focuses them.
            auto* box = new QCheckBox(TextOf(spec), this);
            box->setFocusPolicy(Qt::ClickFocus);
            connect(box, &QAbstractButton::clicked, this, clicked);
            return box;
        }
        case dialog::Kind::RadioButton: {
            auto* radio = new QRadioButton(TextOf(spec), this);
            radio->setAutoExclusive(false);  // the group rule is applied by hand, see UserClicked
            radio->setFocusPolicy(Qt::ClickFocus);
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
    if (first) _controls[*first].widget->setFocus(Qt::TabFocusReason);
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
// does; Qt leaves that to default buttons of a QDialog.
bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && IsEnterKey(*static_cast<QKeyEvent*>(event))) {
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (_onClose) _onClose();
    event->accept();
}

}  // namespace stenvik::qt
