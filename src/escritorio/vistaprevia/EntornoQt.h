#pragma once
// The machine as the preview window sees it through Qt: the system's printers and
// their paper sizes (the PDF printer when there is no other), font metrics, the
// busy cursor and pending events.
#include <QString>
#include <optional>

#include "escritorio/pdf/PintaReporte.h"
#include "report/VistaPrevia.h"

class QPageSize;

namespace placatec {

// Name of the printer that writes PDF files.
extern const char* const kImpresoraPdf;

// The Qt page size of a paper code, when Qt knows it as that code.
std::optional<QPageSize> TamanoQt(int codigo);

class EntornoQt : public EntornoVistaPrevia {
 public:
  std::vector<std::string> Impresoras() const override;
  std::string ImpresoraPredeterminada() const override;
  bool AdmitePapel(const std::string& impresora, int codigo) const override;
  int PapelPredeterminado(const std::string& impresora) const override;
  const MedidorTexto& Medidor() const override { return medidor_; }
  void Ocupado(bool si) override;
  void ProcesaEventos() override;
  Interlocutor& Usuario() override { return usuario_; }

 private:
  // Message boxes over the window in front.
  class Mensajes : public Interlocutor {
   public:
    Respuesta Pregunta(const Mensaje& m) override;
  };
  MedidorQt medidor_;
  Mensajes usuario_;
};

}  // namespace placatec
