#include "report/qt/EntornoQt.h"

#include <QApplication>
#include <QPageSize>
#include <QPrinterInfo>

#include "report/Papel.h"

namespace placatec {

const char* const kImpresoraPdf = "Archivo PDF";

std::optional<QPageSize> TamanoQt(int codigo) {
  const QPageSize::PageSizeId id = QPageSize::id(codigo);
  // Codes that Qt folds into another one (the transverse sizes, for example) are
  // not that paper for a printer.
  if (id == QPageSize::Custom || QPageSize::windowsId(id) != codigo) return std::nullopt;
  return QPageSize(id);
}

std::vector<std::string> EntornoQt::Impresoras() const {
  std::vector<std::string> nombres;
  for (const QString& n : QPrinterInfo::availablePrinterNames()) nombres.push_back(n.toStdString());
  if (nombres.empty()) nombres.emplace_back(kImpresoraPdf);
  return nombres;
}

std::string EntornoQt::ImpresoraPredeterminada() const {
  const QString n = QPrinterInfo::defaultPrinterName();
  if (!n.isEmpty()) return n.toStdString();
  return Impresoras().front();
}

bool EntornoQt::AdmitePapel(const std::string& impresora, int codigo) const {
  if (impresora == kImpresoraPdf) return codigo == PapelCustom || !NombrePapel(codigo).empty();
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(impresora));
  if (info.isNull()) return false;
  if (codigo == PapelCustom) return info.supportsCustomPageSizes();
  const std::optional<QPageSize> tamano = TamanoQt(codigo);
  if (!tamano) return false;
  for (const QPageSize& t : info.supportedPageSizes())
    if (t.id() == tamano->id()) return true;
  return false;
}

int EntornoQt::PapelPredeterminado(const std::string& impresora) const {
  if (impresora != kImpresoraPdf) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(impresora));
    const int codigo = info.isNull() ? 0 : info.defaultPageSize().windowsId();
    if (codigo >= 1 && codigo <= UltimoCodigoPapel && AdmitePapel(impresora, codigo)) return codigo;
  }
  return PapelCarta;
}

void EntornoQt::Ocupado(bool si) {
  if (si) QApplication::setOverrideCursor(Qt::WaitCursor);
  else QApplication::restoreOverrideCursor();
}

void EntornoQt::ProcesaEventos() {
  // Paint and layout events only: a click now would re-enter the rebuild.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace placatec
