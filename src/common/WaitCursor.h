#pragma once

namespace Items {

// Shows the wait cursor for its lifetime when a GUI application runs on the calling thread;
// elsewhere (a worker, a console tool) it does nothing.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown = false;
};

} // namespace Items
