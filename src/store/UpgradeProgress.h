#pragma once

// What the schema upgrade tells whoever shows its progress: the start-up's window, or nothing
// at all on the command line. The bar runs from 1 to 100.
class UpgradeProgress {
public:
    virtual ~UpgradeProgress() = default;
    // The data migration starts: the window appears with the bar at 1.
    virtual void begin() = 0;
    virtual void setPosition(int position) = 0;
    // One step forward from where the bar is.
    virtual void step() = 0;
    // The migration is over (done or failed): the window goes.
    virtual void end() = 0;
};
