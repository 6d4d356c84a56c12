#pragma once
// How the core talks to the user: message boxes, the beep, the main window's status
// and progress labels. The desktop implements it with Qt; tests use a scripted fake.
#include <string>

namespace placatec {

enum class Icono { Ninguno, Informacion, Exclamacion, Pregunta, Critico };
// GuardarNoGuardarCancelar: "Guardar", "No guardar", "Cancelar", answered with
// Guardar, NoGuardar or Cancelar.
enum class Botones { OK, OKCancelar, SiNo, GuardarNoGuardarCancelar };
enum class Respuesta { OK, Cancelar, Si, No, Guardar, NoGuardar };

struct Mensaje {
  std::string texto;
  std::string titulo;
  Icono icono = Icono::Ninguno;
  Botones botones = Botones::OK;
};

class Interlocutor {
 public:
  virtual ~Interlocutor() = default;
  // Shows a message box and returns the button the user chose.
  virtual Respuesta Pregunta(const Mensaje& m) = 0;
  // A refused key or a failed command.
  virtual void Beep() {}
  // The main window's status label (Label1) and progress label (Label2).
  virtual void Estado(const std::string&) {}
  virtual void Progreso(const std::string&) {}

  void Avisa(const std::string& texto, const std::string& titulo = {}, Icono icono = Icono::Ninguno) {
    Pregunta({texto, titulo, icono, Botones::OK});
  }
};

// Says nothing and answers every question with its first button (OK or Yes).
class InterlocutorMudo : public Interlocutor {
 public:
  Respuesta Pregunta(const Mensaje& m) override {
    if (m.botones == Botones::GuardarNoGuardarCancelar) return Respuesta::Guardar;
    return m.botones == Botones::SiNo ? Respuesta::Si : Respuesta::OK;
  }
};

// Shows nothing and keeps the first message, for a command that tells it elsewhere (a
// report, a file written without the steel).
class InterlocutorNota : public Interlocutor {
 public:
  std::string primero;
  Respuesta Pregunta(const Mensaje& m) override {
    if (primero.empty()) primero = m.texto;
    return Respuesta::OK;
  }
};

}  // namespace placatec
