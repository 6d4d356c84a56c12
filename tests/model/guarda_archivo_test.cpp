// The one save and the one read of whole files, tried as an attacker and a careless
// user would: planted links, an editor's backup, read-only targets, pipes, leftovers
// of a killed save and two programs saving the same file at once.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "Archivos.h"
#include "model/ArchivoDisco.h"

namespace placatec {

namespace {

namespace fs = std::filesystem;

class GuardaYLee : public ::testing::Test {
 protected:
  fs::path dir =
      fs::temp_directory_path() / ("placatec-guarda-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::string R(const std::string& nombre) const { return (dir / nombre).string(); }
  std::set<std::string> Nombres() const {
    std::set<std::string> n;
    for (const auto& e : fs::directory_iterator(dir)) n.insert(e.path().filename().string());
    return n;
  }
};

}  // namespace

TEST_F(GuardaYLee, NiUnEnlaceNiUnRespaldoConElNombreDelArchivoMasTildeCambianLaSalva) {
  Escribe(R("ajeno.txt"), "ajeno");
  fs::create_symlink("ajeno.txt", R("p.Los~"));
  ASSERT_TRUE(GuardaArchivo(R("p.Los"), "nuevo"));
  EXPECT_EQ(Bytes(R("ajeno.txt")), "ajeno");
  EXPECT_FALSE(fs::is_symlink(R("p.Los")));
  EXPECT_EQ(Bytes(R("p.Los")), "nuevo");

  Escribe(R("q.Los~"), "respaldo del editor");
  ASSERT_TRUE(GuardaArchivo(R("q.Los"), "nuevo"));
  EXPECT_EQ(Bytes(R("q.Los~")), "respaldo del editor");
  EXPECT_EQ(Nombres(), (std::set<std::string>{"ajeno.txt", "p.Los~", "p.Los", "q.Los~", "q.Los"}));
}

TEST_F(GuardaYLee, UnEnlaceSeGuardaEnSuArchivoYUnEnlaceRotoOCircularSeRechaza) {
  Escribe(R("real.Los"), "viejo");
  fs::create_symlink("real.Los", R("enlace.Los"));
  ASSERT_TRUE(GuardaArchivo(R("enlace.Los"), "nuevo"));
  EXPECT_TRUE(fs::is_symlink(R("enlace.Los")));
  EXPECT_EQ(Bytes(R("real.Los")), "nuevo");

  fs::create_symlink("no-existe.Los", R("roto.Los"));
  fs::create_symlink("b.Los", R("a.Los"));
  fs::create_symlink("a.Los", R("b.Los"));
  EXPECT_EQ(GuardaArchivo(R("roto.Los"), "nuevo").Mensaje(), "Enlace Roto");
  EXPECT_EQ(GuardaArchivo(R("a.Los"), "nuevo").Mensaje(), "Enlace Circular");
  EXPECT_TRUE(fs::is_symlink(R("roto.Los")) && fs::is_symlink(R("a.Los")));
  EXPECT_EQ(Nombres(), (std::set<std::string>{"real.Los", "enlace.Los", "roto.Los", "a.Los", "b.Los"}));
}

TEST_F(GuardaYLee, UnArchivoSinPermisoDeEscrituraSeRechazaAunSiendoAdministrador) {
  Escribe(R("solo-lectura.Los"), "viejo");
  fs::permissions(R("solo-lectura.Los"), fs::perms(0444));
  EXPECT_EQ(GuardaArchivo(R("solo-lectura.Los"), "nuevo").Mensaje(), "Permiso Denegado");
  EXPECT_EQ(Bytes(R("solo-lectura.Los")), "viejo");
  EXPECT_EQ(Nombres(), std::set<std::string>{"solo-lectura.Los"});
}

// The administrator writes another user's file where a write bit lets anyone write,
// as the system lets him; the file keeps its owner and mode. No write bit: refused.
TEST_F(GuardaYLee, ElAdministradorGuardaElArchivoDeOtroUsuarioSiTieneUnBitDeEscritura) {
  if (::geteuid() != 0) GTEST_SKIP() << "solo el administrador puede dar el archivo a otro usuario";
  for (const int modo : {0644, 0464, 0444}) {
    Escribe(R("ajeno.Los"), "viejo");
    ASSERT_EQ(::chown(R("ajeno.Los").c_str(), 4321, 4321), 0);
    fs::permissions(R("ajeno.Los"), static_cast<fs::perms>(modo));
    EXPECT_EQ(GuardaArchivo(R("ajeno.Los"), "nuevo").Mensaje(), modo == 0444 ? "Permiso Denegado" : "");
    struct stat st {};
    ASSERT_EQ(::stat(R("ajeno.Los").c_str(), &st), 0);
    EXPECT_EQ(std::tuple(Bytes(R("ajeno.Los")), st.st_uid, st.st_mode & 07777),
              std::tuple(modo == 0444 ? "viejo" : "nuevo", 4321u, static_cast<unsigned>(modo)));
    EXPECT_EQ(Nombres(), std::set<std::string>{"ajeno.Los"});
  }
}

// A save that fails after its temporary file was made (here the file-size limit of a
// child process, its signal ignored, stops the writing): the file keeps its old bytes,
// no temporary is left and the failure comes back with its message.
TEST_F(GuardaYLee, UnaSalvaQueFallaAMitadNoTocaElArchivoNiDejaTemporales) {
  Escribe(R("p.Los"), "viejo");
  const pid_t hijo = ::fork();
  if (hijo == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::_exit(GuardaArchivo(R("p.Los"), std::string(100000, 'n')).Mensaje() == "El Disco Esta Lleno" ? 0 : 1);
  }
  int estado = 0;
  ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "la falla se dice: El Disco Esta Lleno";
  EXPECT_EQ(Bytes(R("p.Los")), "viejo");
  EXPECT_EQ(Nombres(), std::set<std::string>{"p.Los"});
}

// However it is spelt (./x, a folder and .., a link, a hard link), a name that leads to
// a file is that file; a name not yet on disk is compared by its resolved path.
TEST_F(GuardaYLee, UnArchivoEsElMismoPorCualquierNombreQueLleveAEl) {
  Escribe(R("p.Los"), "proyecto");
  Escribe(R("otro.Los"), "otro");
  fs::create_directories(dir / "sub");
  fs::create_symlink("p.Los", R("enlace.Los"));
  fs::create_hard_link(R("p.Los"), R("duro.Los"));
  fs::create_directory_symlink(dir, dir / "sub" / "arriba");
  for (const std::string& nombre : {R("enlace.Los"), R("duro.Los"), R("sub/../p.Los"), R("./p.Los"),
                                    R("sub/arriba/p.Los"), (fs::relative(dir) / "p.Los").string()})
    EXPECT_TRUE(MismoArchivo(R("p.Los"), nombre)) << nombre;
  EXPECT_FALSE(MismoArchivo(R("p.Los"), R("otro.Los")));
  EXPECT_FALSE(MismoArchivo(R("p.Los"), R("nuevo.pdf")));
  EXPECT_TRUE(MismoArchivo(R("nuevo.pdf"), R("sub/../nuevo.pdf")));
  EXPECT_TRUE(MismoArchivo(R("nuevo.pdf"), R("sub/arriba/nuevo.pdf")));
  EXPECT_FALSE(MismoArchivo(R("nuevo.pdf"), R("nuevo.Los")));
  EXPECT_FALSE(MismoArchivo("", ""));
}

// Every error the system may give comes in Spanish, never in the system's English.
TEST(TextoErrorArchivo, TodoErrorDelSistemaSeDiceEnEspanol) {
  EXPECT_EQ(TextoErrorArchivo(std::make_error_code(std::errc::file_exists)), "El Archivo ya Existe");
  EXPECT_EQ(TextoErrorArchivo(std::make_error_code(std::errc::resource_unavailable_try_again)),
            "Recurso no Disponible por el Momento");
  EXPECT_EQ(TextoErrorArchivo(std::make_error_code(std::errc::no_space_on_device)), "El Disco Esta Lleno");
  for (int e = 1; e < 134; ++e) {
    const std::error_code ec(e, std::generic_category());
    EXPECT_NE(TextoErrorArchivo(ec), ec.message()) << e;
  }
}

// Runs under the CTest timeout: a read that waits for a writer never ends.
TEST_F(GuardaYLee, SoloSeLeenArchivosComunesYUnaTuberiaNoEspera) {
  ASSERT_EQ(::mkfifo(R("x.Los").c_str(), 0644), 0);
  EXPECT_EQ(LeeArchivo(R("x.Los")).Mensaje(), "Archivo Ilegal");
  EXPECT_EQ(LeeArchivo(dir.string()).Mensaje(), "Ilegal Nombre de Archivo");
  EXPECT_EQ(LeeArchivo("/dev/null").Mensaje(), "Archivo Ilegal");
}

TEST_F(GuardaYLee, LaSalvaQuitaLosTemporalesQueDejoUnaSalvaInterrumpida) {
  const pid_t muerto = ::fork();
  if (muerto == 0) ::_exit(0);
  ::waitpid(muerto, nullptr, 0);
  const std::string viejo = ".p.Los.placatec-" + std::to_string(muerto) + "-a1b2c3";
  const std::string vivo = ".p.Los.placatec-1-a1b2c3";  // init never ends
  const std::string otro = ".q.Los.placatec-" + std::to_string(muerto) + "-a1b2c3";
  for (const auto& n : {viejo, vivo, otro}) Escribe(R(n), "a medias");
  ASSERT_TRUE(GuardaArchivo(R("p.Los"), "nuevo"));
  EXPECT_EQ(Nombres(), (std::set<std::string>{"p.Los", vivo, otro}));
}

TEST_F(GuardaYLee, DosProgramasQueGuardanElMismoArchivoDejanSiempreUnoEntero) {
  const std::string a(20000, 'a'), b(20000, 'b');
  Escribe(R("p.Los"), a);
  pid_t hijos[2];
  for (int h = 0; h < 2; ++h) {
    hijos[h] = ::fork();
    if (hijos[h] == 0) {
      int fallas = 0;
      for (int vez = 0; vez < 200; ++vez) fallas += GuardaArchivo(R("p.Los"), h == 0 ? a : b) ? 0 : 1;
      ::_exit(fallas > 0 ? 1 : 0);
    }
  }
  int mezclas = 0, vivos = 2, estado = 0;
  while (vivos > 0) {
    const std::string leido = Bytes(R("p.Los"));
    mezclas += leido == a || leido == b ? 0 : 1;
    for (pid_t& hijo : hijos)
      if (hijo > 0 && ::waitpid(hijo, &estado, WNOHANG) == hijo) {
        EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0) << "una salva fallo";
        hijo = 0;
        --vivos;
      }
  }
  EXPECT_EQ(mezclas, 0);
  EXPECT_EQ(Nombres(), std::set<std::string>{"p.Los"});
}

}  // namespace placatec
