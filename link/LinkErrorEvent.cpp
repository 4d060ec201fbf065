#include "link/LinkErrorEvent.h"

#include "link/LinkMessages.h"

LinkErrorEvent::LinkErrorEvent(int code, int argument, std::uint64_t generation)
    : QEvent(WM_LINK_ERROR), m_code(code), m_argument(argument), m_generation(generation) {}
