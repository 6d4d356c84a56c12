// What a load gives depends on the file alone, and what the program saves reads back.
// The files of tests/corpus/ida_y_vuelta are as the program writes them: loaded and
// saved again they must come out byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <vector>

#include "Archivos.h"
#include "InterlocutorGuion.h"
#include "comandos/ComandosArchivo.h"

namespace placatec {

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> Archivos(std::initializer_list<const char*> carpetas) {
  std::vector<fs::path> archivos;
  for (const char* carpeta : carpetas)
    for (const auto& e : fs::directory_iterator(fs::path(PLACATEC_SOURCE_DIR) / carpeta))
      archivos.push_back(e.path());
  std::sort(archivos.begin(), archivos.end());
  return archivos;
}

std::string Carga(Sesion& s, const fs::path& archivo) {
  InterlocutorGuion ui;
  EXPECT_TRUE(CargaArchivo(s, archivo.string(), ui)) << archivo.filename() << ": " << ui.UltimoTexto();
  return VistaSesion(s);
}

}  // namespace

TEST(IdaYVuelta, LoQueElProgramaGuardaSeLeeYSeGuardaIgual) {
  const auto exactos = Archivos({"tests/corpus/ida_y_vuelta"});
  ASSERT_GE(exactos.size(), 2u);
  for (const fs::path& archivo : Archivos({"tests/corpus/ida_y_vuelta", "tests/corpus/carga", "examples"})) {
    auto s = std::make_unique<Sesion>();
    Carga(*s, archivo);
    const std::string guardado = TextoProyecto(s->proyecto, s->generales.TextoUso());
    const bool exacto = std::count(exactos.begin(), exactos.end(), archivo) > 0;
    EXPECT_EQ(guardado, exacto ? Bytes(archivo) : guardado) << archivo.filename();
    InterlocutorGuion ui;
    ASSERT_TRUE(CargaBytes(*s, guardado, "otra.Los", ui)) << archivo.filename() << ": " << ui.UltimoTexto();
    EXPECT_EQ(TextoProyecto(s->proyecto, s->generales.TextoUso()), guardado) << archivo.filename();
  }
}

TEST(IdaYVuelta, UnArchivoDaLoMismoSeaCualSeaElProyectoAbiertoAntes) {
  const auto archivos = Archivos({"tests/corpus/ida_y_vuelta", "tests/corpus/carga", "examples"});
  for (const fs::path& archivo : archivos) {
    auto nueva = std::make_unique<Sesion>();
    const std::string esperado = Carga(*nueva, archivo);
    for (const fs::path& antes : archivos) {
      auto s = std::make_unique<Sesion>();
      Carga(*s, antes);
      EXPECT_EQ(Carga(*s, archivo), esperado) << archivo.filename() << " tras " << antes.filename();
    }
  }
}

}  // namespace placatec
