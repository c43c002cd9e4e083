// A counted reference to a shared object that counts its own references (AddRef/Release); the object
// destroys itself when the last one goes.
#pragma once

#include <utility>

template <class T>
class GLIB_CountedRef {
public:
    GLIB_CountedRef() = default;
    explicit GLIB_CountedRef(T* object) : m_object(object) {
        if (m_object) m_object->AddRef();
    }
    GLIB_CountedRef(const GLIB_CountedRef& other) : GLIB_CountedRef(other.m_object) {}
    GLIB_CountedRef(GLIB_CountedRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
    GLIB_CountedRef& operator=(GLIB_CountedRef other) noexcept {
        std::swap(m_object, other.m_object);
        return *this;
    }
    ~GLIB_CountedRef() { Reset(); }

    void Reset() {
        if (T* object = std::exchange(m_object, nullptr)) object->Release();
    }
    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }
    T& operator*() const { return *m_object; }
    explicit operator bool() const { return m_object != nullptr; }

private:
    T* m_object = nullptr;
};
