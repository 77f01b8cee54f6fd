// Where the controls of a page send what happens to them. The page dialog
// decides which of it reaches the page.
#pragma once

#include <Qt>

#include "platform/port.h"

namespace trailcfg::qt {

class EventSink {
public:
    virtual void Raise(EventType type, int id) = 0;
    // An edit lost the keyboard focus, for `reason`.
    virtual void EditLostFocus(int id, Qt::FocusReason reason) = 0;

protected:
    ~EventSink() = default;
};

}  // namespace trailcfg::qt
