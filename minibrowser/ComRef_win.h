#pragma once
// One reference to a COM interface, released when it goes.
#include <windows.h>
#include <unknwn.h>

template <typename T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* owned) : p_(owned) {}
    ~ComRef() { Reset(); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;

    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // For the out parameter of a call that hands over a reference.
    T** Out()
    {
        Reset();
        return &p_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    // Releases the reference; returns what Release returned (0 when nothing was held).
    ULONG Reset()
    {
        ULONG left = 0;
        if (p_) {
            left = p_->Release();
            p_ = nullptr;
        }
        return left;
    }

private:
    T* p_ = nullptr;
};
