#pragma once
// The program's help: Spanish HTML pages built into the program, a contents list and a
// search over the pages.
#include <QString>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace placatec {

struct PaginaAyuda {
  QString archivo;  // resource path, e.g. ":/ayuda/losas.html"
  QString titulo;   // the page's title
};

// Every page, the contents page first.
std::vector<PaginaAyuda> PaginasAyuda();

// The pages that contain every word of the query, ignoring case and accents, in
// contents order. An empty query finds nothing.
std::vector<PaginaAyuda> BuscaEnAyuda(const QString& consulta);

// Whether the help pages are present in the program.
bool HayAyuda();

// The help page of a window of the program, by its object name ("Datoslosas2Form");
// the contents page for any other.
QString PaginaAyudaDe(const QString& ventana);

class VentanaAyuda : public QWidget {
  Q_OBJECT

 public:
  explicit VentanaAyuda(QWidget* parent = nullptr);

  // "&Contenido": the contents page and the list of pages.
  void MuestraContenido();
  // "&Búsqueda": the search box, ready for typing.
  void MuestraBusqueda();
  void AbrePagina(const QString& archivo);
  // F1: the page of a window, shown in front.
  void MuestraPagina(const QString& archivo);

  QTextBrowser* Navegador() const { return navegador_; }
  QLineEdit* CajaBusqueda() const { return busqueda_; }
  QListWidget* Encontradas() const { return encontradas_; }
  QListWidget* Indice() const { return indice_; }

 private:
  void Busca(const QString& consulta);
  QTabWidget* pestanas_;
  QListWidget* indice_;
  QLineEdit* busqueda_;
  QListWidget* encontradas_;
  QTextBrowser* navegador_;
};

}  // namespace placatec
