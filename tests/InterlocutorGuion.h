#pragma once
// A scripted user for tests: records every message and status text, and answers
// questions from a queue (OK or Yes once the queue is empty).
#include <deque>
#include <string>
#include <vector>

#include "model/Interlocutor.h"

namespace placatec {

class InterlocutorGuion : public Interlocutor {
 public:
  std::vector<Mensaje> mensajes;
  std::vector<std::string> estados;
  std::vector<std::string> progresos;
  std::deque<Respuesta> respuestas;
  int beeps = 0;

  Respuesta Pregunta(const Mensaje& m) override {
    mensajes.push_back(m);
    if (!respuestas.empty()) {
      Respuesta r = respuestas.front();
      respuestas.pop_front();
      return r;
    }
    if (m.botones == Botones::GuardarNoGuardarCancelar) return Respuesta::NoGuardar;
    return m.botones == Botones::SiNo ? Respuesta::Si : Respuesta::OK;
  }
  void Beep() override { ++beeps; }
  void Estado(const std::string& t) override { estados.push_back(t); }
  void Progreso(const std::string& t) override { progresos.push_back(t); }

  std::string UltimoTexto() const { return mensajes.empty() ? std::string() : mensajes.back().texto; }
};

}  // namespace placatec
