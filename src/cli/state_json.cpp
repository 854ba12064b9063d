#include "cli/state_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <vector>

#include "core/codepage.h"

namespace stenvik::cli {

namespace {

using Json = nlohmann::ordered_json;

bool HasCheckMark(dialog::Kind kind) { return kind == dialog::Kind::CheckBox || kind == dialog::Kind::RadioButton; }

Json Controls(const MemoryDialog& dialog) {
    std::vector<const MemoryDialog::ControlState*> controls;
    for (const auto& control : dialog.Controls()) {
        if (control.spec->id != rc::kNoId) controls.push_back(&control);
    }
    std::sort(controls.begin(), controls.end(), [](const auto* a, const auto* b) { return a->spec->id < b->spec->id; });

    auto json = Json::object();
    for (const auto* control : controls) {
        Json entry{{"visible", control->visible}, {"enabled", control->enabled}};
        if (HasCheckMark(control->spec->kind)) entry["checked"] = control->checked;
        json[std::to_string(control->spec->id)] = std::move(entry);
    }
    return json;
}

Json Globals(const ProgramState& state) {
    return {{"antal_enkelrader", state.antal_enkelrader},
            {"antal_halvgarderingar", state.antal_halvgarderingar},
            {"antal_helgarderingar", state.antal_helgarderingar},
            {"antalsakra", state.antalsakra},
            {"antal_enkeltecken", state.antal_enkeltecken},
            {"sakra", state.sakra},
            {"ir", state.ir}};
}

}  // namespace

std::string StateJson(const MemorySession& session) {
    const auto& status = session.dialog.Status();
    const Json json{{"rows", Cp1252ToUtf8(session.Rows())},
                    {"status", status ? Json(Cp1252ToUtf8(*status)) : Json(nullptr)},
                    {"controls", Controls(session.dialog)},
                    {"globals", Globals(session.state)}};
    return json.dump(2) + "\n";
}

}  // namespace stenvik::cli
