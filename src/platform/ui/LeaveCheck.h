#pragma once

// A page that holds work leaving it would end (a download that runs).
// Whatever would close it asks it first.
class LeaveCheck
{
public:
    // True when the page may close now: nothing would be lost, or the user
    // agreed to lose it (and it is over).
    virtual bool canLeave() = 0;

protected:
    ~LeaveCheck() = default;
};
