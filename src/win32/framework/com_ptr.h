#pragma once
// One reference to a COM object, released when the holder goes. The platform's own smart pointers are
// not in MinGW.
#include <objbase.h>
#include <unknwn.h>

#include <utility>

namespace quendar::win32 {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already holds (a new object's first one, an out parameter's).
  static ComPtr Adopt(T* p) {
    ComPtr holder;
    holder.p_ = p;
    return holder;
  }
  ComPtr(const ComPtr& other) : p_(other.p_) {
    if (p_ != nullptr) p_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() {
    if (p_ != nullptr) p_->Release();
  }

  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For an out parameter: the old reference goes first.
  T** put() {
    *this = ComPtr();
    return &p_;
  }

 private:
  T* p_ = nullptr;
};

// COM on this thread for as long as the object lives (nothing when the thread already had another model).
class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComApartment() {
    if (started_) ::CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool started_;
};

}  // namespace quendar::win32
