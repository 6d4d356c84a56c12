#pragma once
// The number and text rules of the whole program, in one place:
//  - measures are stored as 32-bit floats, computed in double and rounded once;
//  - counts, strengths and codes are 16-bit integers, rounded half to even;
//  - the value of a text is its leading decimal number;
//  - the number texts of the project file (sign position, 7 or 15 significant
//    digits, no leading zero, exponent form) and the display formats.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace placatec {

// Rounds a value computed in double to its 32-bit storage. The empty asm statement
// hides from the optimizer that the Single came from v: GCC 12, when it vectorizes
// the stores of two neighbouring Singles, otherwise goes on computing with the
// unrounded doubles where the code reads the stored Singles back.
inline float ASingle(double v) {
  float f = static_cast<float>(v);
#if defined(__GNUC__) && defined(__x86_64__)
  asm("" : "+x"(f));
#elif defined(__GNUC__) && defined(__aarch64__)
  asm("" : "+w"(f));
#elif defined(__GNUC__)
  asm("" : "+m"(f));
#endif
  return f;
}

// Nearest whole number, halves to the even neighbour (as a table index, for example).
double RedondeaPar(double v);

// Conversion to a 16-bit Integer, halves to even; empty when out of range or not finite.
std::optional<std::int16_t> AEntero(double v);

// Slab number held as a Single turned into a table index; -1 when not a whole
// number in a sane range.
int IndiceLosa(float v);

// The leading decimal number of a text ("." as decimal point, optional sign and
// exponent), 0 when the text does not start with a number. Leading blanks are skipped.
double ValorTexto(std::string_view t);

// Whether the whole text (blanks around it aside) is a number.
bool EsNumero(std::string_view t);

// Whether the leading number of a text is too large for a double (ValorTexto then
// gives 0, which must not be taken for the value the engineer typed).
bool ValorTextoDesborda(std::string_view t);

// Leading and trailing blanks removed.
std::string Recorta(std::string_view t);
std::string RecortaDerecha(std::string_view t);
std::string Mayusculas(std::string_view t);

// A slab's load or thickness left at zero means the general value of the storey (a
// negative one is refused by the calculation, never taken for the general value).
inline bool TomaValorGeneral(float valor) { return valor == 0; }
inline float ValorOGeneral(float valor, float general) { return TomaValorGeneral(valor) ? general : valor; }

// The direction of a continuous support: "Y" or "y" (blanks around aside) is Y; any
// other text, a blank one included, is X.
bool EsDireccionY(std::string_view dir);

// The text of a number with a sign position: " 4", "-.5", " .12", " 1.5E-05".
// Single values keep 7 significant digits, double values 15.
std::string Str(float v);
std::string Str(double v);
std::string Str(int v);

// Str without the sign position's blank: "4", "-.5", ".12".
std::string TextoNumero(float v);
std::string TextoNumero(int v);

// Number items of the project file: the Str text followed by one blank.
inline std::string ItemArchivo(float v) { return Str(v) + " "; }
inline std::string ItemArchivo(double v) { return Str(v) + " "; }
inline std::string ItemArchivo(int v) { return Str(v) + " "; }

// Whether the file item of a value reads back as a finite number: near the largest
// double, 15 significant digits round to a text beyond it.
bool SeEscribeEnArchivo(double v);

// Display formats "0.00", "0.000", "##0.00", "#####", "##", "#0.##": rounding half
// away from zero on the value's decimal text. A stored Single is read with its 7
// significant digits; a value computed in double and not stored with the shortest
// text that reads back exactly.
std::string Formato(float v, std::string_view formato);
std::string Formato(double v, std::string_view formato);
std::string Formato(int v, std::string_view formato);

// The text a form writes into a grid cell or box for a stored Single: its 7
// significant digits with a leading zero and no exponent ("0.33", "4", "-0.5"), the
// same digits the project file keeps; when those do not read back to the same value,
// the shortest text that does, so that copying cells back never changes a number.
std::string TextoCelda(float v);

// A stored Single as a JSON number: the shortest text that reads back to the same
// Single ("0.12", "4.0", "1e+38"), always with a point or an exponent so it reads as a
// real number; writes less and faster than the double's 17 digits.
// Writes into buf (at least 32 chars) and returns the length.
std::size_t TextoJson(float v, char* buf);

// The value of a cell's text stored as a Single; 0 when the text holds no number or
// the number does not fit in a Single.
float ValorSingle(std::string_view t);

// The text of a number as the engineer types it: the decimal comma of Spanish
// writing is the decimal point ("4,5" is 4.5), so every comma becomes a point.
std::string ComaDecimal(std::string_view t);

// Key filter of a numeric box: the digits, backspace (8) and one decimal point
// ("." or ","), which is refused when the box already holds one.
bool AceptaTeclaNumerica(char32_t tecla, std::string_view textoActual);

// A numeric box whose text went from anterior to nuevo, typed or pasted: what was
// inserted passes the key filter character by character (a comma becoming the
// point); empty when any inserted character is refused, and the box then keeps
// anterior. Deleting is always allowed.
std::optional<std::string> EdicionNumerica(std::string_view anterior, std::string_view nuevo);

}  // namespace placatec
