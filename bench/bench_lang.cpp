// SPDX-License-Identifier: GPL-3.0-or-later
// Message-string lookup as the screens do it: the language file is opened
// and read at every call. A file of about 20 KB goes through the section
// reader; one of about 100 KB through the line scan.
#include "lang/LanguageFiles.h"
#include "framework/ProgramState.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// Screen sections first and section "Strings" last, as language files are
// laid out, so the keys asked for lie towards the end of the file.
QByteArray languageFile(qsizetype targetSize)
{
    QByteArray screens;
    const char* controls[] = {"Command1", "Command2", "Command3", "Label1", "Label2", "Label3",
                              "EtichettaNumero", "BottoneAvanti", "Frame1", "Option1(0)", "Option1(1)"};
    QByteArray strings = "[Strings]\r\n0000=\"ITALIAN\"\r\n";
    auto key = [](int n) { return QByteArray::number(n).rightJustified(4, '0'); };
    for (int n = 1; n <= 17; ++n)
        strings += key(n) + "=\"Testo del messaggio numero " + QByteArray::number(n) + "\"\r\n";
    for (int n = 64; n <= 127; ++n)
        strings += key(n) + "=\"Trascina le cifre nella griglia e controlla il risultato " +
                   QByteArray::number(n) + "\"\r\n";
    for (int n = 9996; n <= 9999; ++n)
        strings += key(n) + "=\"Contalandia, riga di informazione " + QByteArray::number(n) + "\"\r\n";

    for (int form = 0; screens.size() + strings.size() < targetSize; ++form) {
        const QByteArray name = "Form" + QByteArray::number(form);
        screens += "[" + name + "]\r\n" + name + ".Caption=\"Esercizio " + QByteArray::number(form) + "\"\r\n";
        for (const char* c : controls) {
            screens += name + "." + c + ".Caption=\"Scrivi il numero in cifre\"\r\n";
            screens += name + "." + c + ".ToolTipText=\"Premi Invio per controllare\"\r\n";
        }
        screens += "\r\n";
    }
    return screens + strings;
}

struct Fixture
{
    QTemporaryDir dir;
    std::unique_ptr<LanguageFiles> files;
    qsizetype size = 0;

    explicit Fixture(qsizetype targetSize)
    {
        const QByteArray bytes = languageFile(targetSize);
        size = bytes.size();
        QFile f(dir.filePath("Italiano.lng"));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            std::abort();
        files = std::make_unique<LanguageFiles>(dir.path());
        files->setCurrentLanguage(QStringLiteral("Italiano"));
    }
};

void getString(benchmark::State& st, qsizetype targetSize)
{
    Fixture fx(targetSize);
    const std::vector<QString> keys = {msg::RightLabel, msg::hintKey(64), msg::hintKey(127),
                                       msg::InformationLines[3]};
    if (fx.files->getString(keys.back()).isEmpty()) {
        st.SkipWithError("the generated file does not hold the keys");
        return;
    }
    std::size_t i = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(fx.files->getString(keys[i]));
        i = (i + 1) % keys.size();
    }
    st.counters["file_bytes"] = double(fx.size);
    st.SetBytesProcessed(qint64(st.iterations()) * fx.size);
}

void BM_GetString_20KB(benchmark::State& st) { getString(st, 20 * 1024); }
void BM_GetString_100KB(benchmark::State& st) { getString(st, 100 * 1024); }

} // namespace

BENCHMARK(BM_GetString_20KB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_GetString_100KB)->Unit(benchmark::kMicrosecond);
