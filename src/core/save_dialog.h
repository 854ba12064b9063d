#pragma once
// What "SPARA raderna" opens: each front end asks for a file name its own way
// and saves the rows box's text; it reports its own failures.

namespace stenvik {

class SaveDialog {
public:
    virtual void Run() = 0;

protected:
    ~SaveDialog() = default;
};

}  // namespace stenvik
