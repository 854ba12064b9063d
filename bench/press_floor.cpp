#include "bench/press_floor.h"

namespace stenvik::bench {

namespace {

// Where the calls go while a press is recorded; null otherwise.
std::vector<Call>* recording = nullptr;

// The in-memory dialog, with its box reads written down.
class RecordingDialog final : public Platform {
public:
    explicit RecordingDialog(MemoryDialog& dialog) : _dialog(dialog) {}

    ControlHandle GetControl(int id) override { return _dialog.GetControl(id); }
    void SetVisible(ControlHandle control, bool visible) override { _dialog.SetVisible(control, visible); }
    void SetEnabled(ControlHandle control, bool enabled) override { _dialog.SetEnabled(control, enabled); }
    void SetFocus(ControlHandle control) override { _dialog.SetFocus(control); }
    bool IsChecked(ControlHandle control) override {
        if (recording != nullptr) recording->push_back({control});
        return _dialog.IsChecked(control);
    }
    void SetChecked(ControlHandle control, bool checked) override { _dialog.SetChecked(control, checked); }
    void SetText(ControlHandle control, std::string_view text) override { _dialog.SetText(control, text); }
    int TextLength(ControlHandle control) override { return _dialog.TextLength(control); }

private:
    MemoryDialog& _dialog;
};

}  // namespace

std::vector<Call> RecordPresses(const PressSetup& setup, std::int32_t seed, int presses) {
    MemoryDialog dialog;
    RecordingDialog recorder(dialog);
    ProgramState state;
    state.Reseed(seed);
    state.percent = setup.percent;
    CancelledSaveDialog save;
    Controller controller(recorder, state, save);
    const auto command = [&](int id) {
        const auto* control = dialog.Find(id);
        if (control == nullptr || !dialog::IsButton(control->spec->kind)) return controller.Command(id, kClicked);
        if (const auto sent = dialog.Click(id)) controller.Command(sent->id, sent->code);
    };
    const std::span clicks(setup.clicks);
    for (const auto& event : clicks.first(clicks.size() - 1)) command(std::get<Click>(event).id);

    std::vector<Call> calls;
    recording = &calls;
    for (int press = 0; press < presses; ++press) command(rc::kGenerate);
    recording = nullptr;
    return calls;
}

std::int32_t Replay(std::span<const Call> calls, Platform& dialog, TRandomMersenne& rg) {
    std::int32_t sum = 0;
    for (const auto& call : calls) {
        sum +=
            call.box != ControlHandle::none ? std::int32_t{dialog.IsChecked(call.box)} : rg.IRandom(call.min, call.max);
    }
    return sum;
}

}  // namespace stenvik::bench

// The linker sends every call of IRandom here (--wrap): the Controller's and
// the floor's alike, so both pay the same one extra jump.
extern "C" {
std::int32_t __real__ZN7stenvik15TRandomMersenne7IRandomEii(stenvik::TRandomMersenne* rg, std::int32_t min,
                                                            std::int32_t max);

std::int32_t __wrap__ZN7stenvik15TRandomMersenne7IRandomEii(stenvik::TRandomMersenne* rg, std::int32_t min,
                                                            std::int32_t max) {
    if (stenvik::bench::recording != nullptr)
        stenvik::bench::recording->push_back({stenvik::ControlHandle::none, min, max});
    return __real__ZN7stenvik15TRandomMersenne7IRandomEii(rg, min, max);
}
}
