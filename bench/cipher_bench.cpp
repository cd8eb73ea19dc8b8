// The ciphers over the largest document: each cipher function alone, then
// each cipher window's button on the shown main window beside a bare
// QTextEdit taking the same result, as a ratio.
#include "bench_support.h"
#include "core/text/ansi_code_page.h"
#include "core/text/string_functions.h"
#include "core/utilities/code_ciphers.h"
#include "core/utilities/letter_ciphers.h"
#include "core/utilities/random_code_cipher.h"
#include "platform/platform.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/SurfaceTextEdit.h"
#include "platform/window_registry.h"
#include "shell/main_window/MainMenu.h"
#include "shown_windows.h"
#include "utilities/utilities_commands.h"

#include <QPushButton>
#include <QTextEdit>
#include <functional>

namespace {

// Czech prose in CR LF lines, exactly the largest size.
const QString& page() {
    static const QString text = [] {
        const QString line = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy %1.\r\n");
        QString t;
        for (int i = 0; t.size() < LargestDocument; ++i)
            t += line.arg(i);
        t.truncate(LargestDocument);
        return t;
    }();
    return text;
}

const CipherTable& table() {
    static const CipherTable drawn = [] {
        CipherTable t;
        DrawCipherCodes(t, SmallestCipherDepth);
        DrawLetterGroups(t);
        return t;
    }();
    return drawn;
}

// A prepared text whose cipher at depth 8 is the largest document.
const QString& prepared() {
    static const QString text = PrepareCipherText(page()).left(LargestDocument / 8);
    return text;
}

const QString& rndCipher() {
    static const QString cipher = RndEncrypt(prepared(), table());
    return cipher;
}

void Function(benchmark::State& state, const std::function<QString(const QString&)>& function,
              const QString& input) {
    for (auto _ : state)
        benchmark::DoNotOptimize(function(input));
}
#define FUNCTION(name, function, input)                                                            \
    BENCHMARK_CAPTURE(Function, name, function, input)->Unit(benchmark::kMillisecond)

FUNCTION(
    ShiftCipher, [](const QString& t) { return ShiftCipher(t, 3); }, page());
FUNCTION(
    CronfeldEncrypt,
    [](const QString& t) { return CronfeldEncrypt(t, QStringLiteral("9081726354")); }, page());
FUNCTION(
    RotateCharBits, [](const QString& t) { return RotateCharBits(t, 3); }, page());
FUNCTION(
    KeyedStream, [](const QString& t) { return KeyedStream(t, 42); }, page());
FUNCTION(
    LookAlikes, [](const QString& t) { return LookAlikeTranscription(t); }, page());
FUNCTION(
    RndEncrypt, [](const QString& t) { return RndEncrypt(t, table()); }, prepared());
FUNCTION(
    RndDecrypt, [](const QString& t) { return RndDecrypt(t, table()); }, rndCipher());

ShownWindows& windows() {
    // Never destroyed: its widgets must not outlive the application object.
    static ShownWindows* instance = new ShownWindows(RegisterUtilitiesCommands);
    return *instance;
}

// The window's button on the whole document in the shown main window, and a
// bare QTextEdit reading its text, enciphering it and taking the result.
void Button(benchmark::State& state, MenuId entry, const char* window, const char* button,
            const std::function<QString(const QString&)>& function) {
    ShownWindows& w = windows();
    w.form.surface().setText(page());
    w.form.menu().runCommand(entry);
    QWidget* opened = Platform().windows->find(QString::fromLatin1(window));
    auto* pressed = opened->findChild<QPushButton*>(QString::fromLatin1(button));
    TimeSideBySide(state,
                   {
                       .ours = w.form.Text1(),
                       .prepareOurs = [&] { w.form.surface().setText(page()); },
                       .workOurs = [&] { pressed->click(); },
                       .bare = &w.bare,
                       .prepareBare = [&] { w.bare.setPlainText(page()); },
                       .workBare = [&] { w.bare.setPlainText(function(w.bare.toPlainText())); },
                   });
}

#define BUTTON(name, entry, window, button, function)                                              \
    BENCHMARK_CAPTURE(Button, name, MenuId::entry, window, button, function)                       \
        ->UseManualTime()                                                                          \
        ->Unit(benchmark::kMillisecond)                                                            \
        ->Iterations(3)

BUTTON(ShiftKod, mnu_encrypt_shift, "ShiftKod", "Command1",
       [](const QString& t) { return ShiftCipher(t, 0); });
BUTTON(Confeld, Mnu_Encrypt_Confeld, "Confeld", "Command1",
       [](const QString& t) { return CronfeldEncrypt(t, QStringLiteral("0")); });
BUTTON(ShiftByte, Mnu_Encrypt_ByteShift, "ShiftByte", "Command1",
       [](const QString& t) { return RotateCharBits(t, 0); });
BUTTON(ZaKod, mnucode, "ZaKod", "Command1", [](const QString& t) { return KeyedStream(t, 0); });
BUTTON(CHT, Mnu_Hack_cry, "CHT", "Command1",
       [](const QString& t) { return LookAlikeTranscription(t); });

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv);
}
