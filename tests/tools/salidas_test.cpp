// The batch calculator never writes a result over a file it reads, nor two results
// over one file, however the names are spelt: such a call is refused before anything
// is written, with status 3.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "Archivos.h"
#include "Orden.h"

namespace {

using placatec::Bytes;

namespace fs = std::filesystem;

std::set<std::string> Contenido(const fs::path& dir) {
  std::set<std::string> n;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    n.insert(e.path().lexically_relative(dir).string());
  return n;
}

TEST(Salidas, UnResultadoNuncaReemplazaAUnArchivoLeidoNiAOtroResultado) {
  const fs::path dir = fs::temp_directory_path() / ("placatec-salidas-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "sub");
  fs::create_directories(dir / "otra");
  fs::copy_file(fs::path(PLACATEC_SOURCE_DIR) / "examples/entrepiso.Los", dir / "p.Los");
  fs::copy_file(dir / "p.Los", dir / "otra/p.Los");
  fs::create_symlink("p.Los", dir / "enlace.Los");
  fs::create_hard_link(dir / "p.Los", dir / "duro.Los");
  const std::string original = Bytes(dir / "p.Los");
  const std::set<std::string> antes = Contenido(dir);

  for (const char* llamada :
       {"p.Los --pdf p.Los", "p.Los --pdf ./p.Los", "p.Los --json --save enlace.Los", "p.Los --pdf duro.Los",
        "p.Los --save sub/../p.Los", "--save \"$PWD\"/p.Los sub/../p.Los", "p.Los --save x.Los --pdf x.Los",
        "p.Los --save ./x --pdf x", "p.Los --planilla p.Los", "- --save p.Los < p.Los",
        "p.Los otra/p.Los --save ./", "p.Los otra/p.Los --pdf reportes/",
        "- otra/p.Los --save copias/ < p.Los", "-j 2 enlace.Los otra/p.Los --save otra/"}) {
    SCOPED_TRACE(llamada);
    const placatec::Salida s =
        placatec::EjecutaOrden("cd '" + dir.string() + "' && '" PLACATEC_CALC "' " + llamada + " 2>&1");
    EXPECT_EQ(s.estado, 3);
    EXPECT_EQ(s.texto.rfind("placatec-calc: --", 0), 0u) << s.texto;
    EXPECT_EQ(std::count(s.texto.begin(), s.texto.end(), '\n'), 1) << s.texto;  // the message alone
    EXPECT_EQ(Bytes(dir / "p.Los"), original);
    EXPECT_EQ(Contenido(dir), antes);
  }
  // Reading one project by two names, or writing beside it, is no clash.
  const std::string p = (dir / "p.Los").string();
  EXPECT_EQ(placatec::EjecutaCalculador("--json " + p + " " + (dir / "duro.Los").string()).estado, 0);
  EXPECT_EQ(placatec::EjecutaCalculador(p + " --save " + (dir / "copia.Los").string()).estado, 0);
  EXPECT_EQ(Bytes(dir / "p.Los"), original);
  fs::remove_all(dir);
}

}  // namespace
