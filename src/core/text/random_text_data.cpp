#include "core/text/random_text_data.h"

constinit const QStringView SyllableConsonants = u"BCDFGHJKLMNPQRSTVWXZ";
constinit const QStringView SyllableVowels = u"AEIOUY";

constinit const QStringView NameFirstSeparators = u"      '''!";
constinit const QStringView NameInnerSeparators = u"  -";
constinit const QStringView NameSingleSeparators = u"  '";
constinit const QStringView NameLastSeparators = u"  '-";
constinit const QStringView NameGlue = u"''-!";

namespace {

constexpr SentenceJoiner Ampersand{u" & ", u""};
constexpr SentenceJoiner Colon{u": ", u""};
constexpr SentenceJoiner Quote{u" \"", u"\" "};
constexpr SentenceJoiner Bracket{u" (", u") "};
constexpr SentenceJoiner Comma{u", ", u""};
constexpr SentenceJoiner Dash{u" - ", u" - "};

} // namespace

constinit const std::array<SentenceJoiner, 15> SentenceJoiners{
    Ampersand, Colon, Quote,   Bracket, Comma,   Dash,  Comma, Comma,
    Comma,     Comma, Bracket, Quote,   Bracket, Colon, Dash,
};
constinit const QStringView SentenceEnds = u"...?!";

constinit const QStringView SmileyHats = u"(<((((([[[[[[{/*+";
constinit const QStringView SmileyEyes = u":::::::::::::::;;;;;;;;;;;;;;;88&$=B&|§";
constinit const QStringView SmileyNoses = u"---------<*o~";
constinit const QStringView SmileyMouths = u")))))))))))))))))))))))))))]}>7&I#wV/!|";
constinit const QStringView SmileyBeards = u"=-";
