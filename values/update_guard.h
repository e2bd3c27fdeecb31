#pragma once

namespace values {

// Set only while the program itself writes into a control, so that the edit
// change handler does not take the program's write for the user's input.
inline bool UpdateGuard = false;

// Sets UpdateGuard for one scope and puts back what was there, so a guarded
// write nested inside another guarded region does not end it early.
class UpdateGuardScope {
public:
    UpdateGuardScope() : previous_(UpdateGuard) { UpdateGuard = true; }
    ~UpdateGuardScope() { UpdateGuard = previous_; }
    UpdateGuardScope(const UpdateGuardScope&) = delete;
    UpdateGuardScope& operator=(const UpdateGuardScope&) = delete;

private:
    const bool previous_;
};

} // namespace values
