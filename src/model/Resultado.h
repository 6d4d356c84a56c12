#pragma once
// The one way an operation fails: it returns either its value or the Spanish message
// that the command shows to the user. Readers, the calculation and file operations
// return these; they never talk to the user themselves.
#include <string>
#include <utility>
#include <variant>

namespace placatec {

// A failure: the text of the message box, as the user is to read it.
struct Falla {
  std::string mensaje;
};

template <class T = void>
class [[nodiscard]] Resultado {
 public:
  Resultado(T valor) : v_(std::move(valor)) {}
  Resultado(Falla falla) : v_(std::move(falla)) {}

  bool Bien() const { return v_.index() == 0; }
  explicit operator bool() const { return Bien(); }
  T& operator*() { return std::get<0>(v_); }
  const T& operator*() const { return std::get<0>(v_); }
  T* operator->() { return &std::get<0>(v_); }
  const T* operator->() const { return &std::get<0>(v_); }
  // The message of a failure; empty for a value.
  const std::string& Mensaje() const {
    static const std::string vacio;
    return Bien() ? vacio : std::get<1>(v_).mensaje;
  }

 private:
  std::variant<T, Falla> v_;
};

template <>
class [[nodiscard]] Resultado<void> {
 public:
  Resultado() = default;
  Resultado(Falla falla) : mensaje_(std::move(falla.mensaje)), bien_(false) {}

  bool Bien() const { return bien_; }
  explicit operator bool() const { return bien_; }
  const std::string& Mensaje() const { return mensaje_; }

 private:
  std::string mensaje_;
  bool bien_ = true;
};

}  // namespace placatec
