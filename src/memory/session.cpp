#include "memory/session.h"

namespace stenvik {

void MemorySession::Click(int id) {
    const auto* control = dialog.Find(id);
    if (control == nullptr || !dialog::IsButton(control->spec->kind)) return Send(id, kClicked);
    if (const auto command = dialog.Click(id)) Send(command->id, command->code);
}

}  // namespace stenvik
