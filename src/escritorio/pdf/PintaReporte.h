#pragma once
// Paints the laid-out report with QPainter on the screen, a printer or a PDF, and
// measures its texts with Qt's font metrics. Lengths are twips throughout: fonts
// are sized in twips (20 to the point) and the painter is scaled to the device.
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <memory>
#include <string>

#include "escritorio/pdf/ExportaPdf.h"
#include "report/Maquetacion.h"

namespace placatec {

QFont FuenteQt(const Estilo& e);

class MedidorQt : public MedidorTexto {
 public:
  MedidorQt();
  ~MedidorQt() override;
  double Ancho(const Estilo& e, std::string_view texto) const override;
  double AltoLinea(const Estilo& e) const override;

 private:
  struct Cache;
  std::unique_ptr<Cache> cache_;
};

// The page layout (size and orientation, no margins: the report places everything
// itself from the corner of the sheet) of a page setting.
QPageLayout DisenoPagina(const ConfiguracionPagina& c);

// Paints one page; the painter's coordinates must be twips from the sheet's corner.
void PintaPagina(QPainter& p, const Pagina& pagina);

// Writes pages desde..hasta (1-based, inclusive; 0 for all) as a PDF file. The file
// is replaced only when the whole document was written.
bool EscribePdf(const Maqueta& m, const ConfiguracionPagina& c, const QString& ruta, QString& error,
                int desde = 0, int hasta = 0, const QString& titulo = {});

// Scales the painter so that its coordinates are twips from the sheet's corner.
void EscalaATwips(QPainter& p, const QPaintDevice& d);

// Pages desde..hasta (1-based; 0 and 0 for all) as a valid range of m, or false with
// the Spanish explanation in error.
bool RangoValido(const Maqueta& m, int& desde, int& hasta, QString& error);

}  // namespace placatec
