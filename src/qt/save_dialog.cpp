#include "qt/save_dialog.h"

#include <QPlainTextEdit>

#include "qt/rows_file.h"

namespace stenvik::qt {

void QtSaveDialog::Run() {
    const auto fileName = _prompts.AskSaveFileName(&_window);
    if (!fileName) return;  // cancelled: nothing to save, nothing to report
    if (!SaveRowsFile(*fileName, _window.RowsBox()->document()->toRawText())) {
        _prompts.Warn(&_window, QStringLiteral("Error"), QStringLiteral("Save file failed."));
    }
}

}  // namespace stenvik::qt
