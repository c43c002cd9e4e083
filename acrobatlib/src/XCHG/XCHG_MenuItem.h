// A menu item whose action and states are member functions of a target object (the plug-in object, for
// instance). An operation whose member is not set keeps the behaviour of XCHG_AVMenuItemObj.
#pragma once

#include "XCHG/XCHG_AVMenuItemObj.h"

template <class T>
class XCHG_MenuItem final : public XCHG_AVMenuItemObj {
public:
    using Member = bool (T::*)();

    XCHG_MenuItem(T* target, Member execute, Member enabled, Member marked)
        : m_target(target), m_execute(execute), m_enabled(enabled), m_marked(marked) {}

    bool ComputeEnabled() override {
        return Bound(m_enabled) ? (m_target->*m_enabled)() : XCHG_AVMenuItemObj::ComputeEnabled();
    }
    bool ComputeMarked() override {
        return Bound(m_marked) ? (m_target->*m_marked)() : XCHG_AVMenuItemObj::ComputeMarked();
    }
    void Execute() override {
        if (Bound(m_execute)) {
            (m_target->*m_execute)();
        } else {
            XCHG_AVMenuItemObj::Execute();
        }
    }

private:
    bool Bound(Member member) const { return member != nullptr && m_target != nullptr; }

    T* m_target;
    Member m_execute;
    Member m_enabled;
    Member m_marked;
};
