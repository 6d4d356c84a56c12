#include "escritorio/vistaprevia/EntornoQt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinterInfo>
#include <cmath>

#include "report/Papel.h"

namespace placatec {

const char* const kImpresoraPdf = "Archivo PDF";

namespace {

bool MismaMedida(const QPageSize& t, const MedidaPapel& m) {
  const QSizeF p = t.size(QPageSize::Point) * 20.0;
  return std::abs(p.width() - m.ancho) < 60 && std::abs(p.height() - m.alto) < 60;
}

}  // namespace

std::optional<QPageSize> TamanoQt(int codigo) {
  if (NombrePapel(codigo).empty() || codigo == PapelCustom) return std::nullopt;
  const MedidaPapel m = MedidasPapel(codigo);
  // Qt's own size for the code, when the code is its own (Qt folds the transverse
  // sizes into the upright ones) and of the right measures.
  const QPageSize::PageSizeId propio = QPageSize::id(codigo);
  if (propio != QPageSize::Custom && QPageSize::windowsId(propio) == codigo) {
    if (MismaMedida(QPageSize(propio), m)) return QPageSize(propio);
  }
  // Otherwise a Qt size of those measures that no other code claims (Qt's table
  // takes the "C size sheet" for an architect's sheet).
  const QPageSize::PageSizeId porMedida =
      QPageSize::id(QSizeF(m.ancho / 20.0, m.alto / 20.0), QPageSize::Point, QPageSize::FuzzyMatch);
  if (porMedida != QPageSize::Custom && QPageSize::windowsId(porMedida) == 0 &&
      MismaMedida(QPageSize(porMedida), m))
    return QPageSize(porMedida);
  return std::nullopt;
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

Respuesta EntornoQt::Mensajes::Pregunta(const Mensaje& m) {
  QMessageBox::warning(QApplication::activeWindow(), QString::fromStdString(m.titulo),
                       QString::fromStdString(m.texto));
  return Respuesta::OK;
}

void EntornoQt::Ocupado(bool si) {
  if (si)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void EntornoQt::ProcesaEventos() {
  // Paint and layout events only: a click now would re-enter the rebuild.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace placatec
