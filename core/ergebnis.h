#pragma once

#include <optional>
#include <string>
#include <utility>

namespace lumora {

// A value or the German reason why there is none.
template <class T>
class Ergebnis {
  public:
    Ergebnis(T wert) : wert_(std::move(wert)) {}
    static Ergebnis Fehler(std::string grund) {
        Ergebnis e;
        e.grund_ = std::move(grund);
        return e;
    }
    explicit operator bool() const { return wert_.has_value(); }
    const T& operator*() const { return *wert_; }
    const T* operator->() const { return &*wert_; }
    const std::string& grund() const { return grund_; }

  private:
    Ergebnis() = default;
    std::optional<T> wert_;
    std::string grund_;
};

}  // namespace lumora
