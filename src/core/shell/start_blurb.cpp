#include "core/shell/start_blurb.h"

#include <QStringList>

namespace {

const char16_t* const BlurbLines[] = {
    u"* Praktická náhrada notepadu s mnoha ",
    u"praktickými funkcemi navíc:",
    u"* Úprava HTML dokumentů - vkládá všechny ",
    u"základní tagy - obrázky, hyperlinky, formátování ",
    u"textu, seznamy, tabulky, framesy, zpětný formát ",
    u"do txt...",
    u"* Kódování textů - pomocí numerického klíče ",
    u"nebo jednoduché - bez klíče, různé znakové ",
    u"systémy, frekvencní analýza textu...",
    u"* Nastavení font, toolbar, customizace jména a ",
    u"e-mailu, autosnap...",
    u"* Další funkce: vyhledávání a záměna textu, ",
    u"vkládání speciálních znaků, práce s vybraným ",
    u"textem (převracení, odstranení znamének atd.) ",
    u"Dialogy ulož/otevři nezávislé na systému...",
    u"* morseovka, interní web browser a mnoho ",
    u"dalšího!",
};

constexpr std::array<BlurbBand, BlurbBandCount> Bands = {{
    {0, 480, {2, 64}},
    {481, 1110, {70, 151}},
    {1111, 1680, {225, 125}},
    {1681, 2400, {354, 67}},
    {2401, 2895, {425, 182}},
    {2896, 3465, {611, 49}},
}};

} // namespace

QString StartBlurbText() {
    QString text;
    for (const char16_t* line : BlurbLines)
        text += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return text;
}

const std::array<BlurbBand, BlurbBandCount>& BlurbBands() {
    return Bands;
}

std::optional<BlurbRange> BlurbItemAt(double yTwips) {
    for (const BlurbBand& band : Bands) {
        if (yTwips >= band.fromTwips && yTwips <= band.toTwips)
            return band.item;
    }
    return std::nullopt;
}
