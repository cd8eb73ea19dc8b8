#include "shell/main_window/main_menu_table.h"

namespace {

enum Mark : bool { Unchecked = false, Checked = true };

constexpr MenuEntry topMenu(MenuId id, const char* name, const char16_t* caption) {
    return {id, name, std::nullopt, MenuEntryKind::Menu, caption, "", false, false};
}

constexpr MenuEntry subMenu(MenuId id, const char* name, MenuId parent, const char16_t* caption) {
    return {id, name, parent, MenuEntryKind::Menu, caption, "", false, false};
}

constexpr MenuEntry command(MenuId id, const char* name, MenuId parent, const char16_t* caption,
                            const char* shortcut = "") {
    return {id, name, parent, MenuEntryKind::Command, caption, shortcut, false, false};
}

constexpr MenuEntry toggle(MenuId id, const char* name, MenuId parent, const char16_t* caption,
                           Mark mark, const char* shortcut = "") {
    return {id, name, parent, MenuEntryKind::Command, caption, shortcut, true, mark};
}

constexpr MenuEntry separator(MenuId id, const char* name, MenuId parent) {
    return {id, name, parent, MenuEntryKind::Separator, u"-", "", false, false};
}

// An entry's id and its name, spelled once.
#define E(id) MenuId::id, #id

constexpr MenuTable buildTable() {
    using enum MenuId;
    return {{
        topMenu(E(mnufile), u"&Soubor"),
        command(E(mnuclean), mnufile, u"&Nový", "Ctrl+N"),
        command(E(mnunewclip), mnufile, u"Nový ze schránky"),
        command(E(mnucreate), mnufile, u"&Vytvoř Html"),
        command(E(mnuHTML_fset), mnufile, u"Frameset"),
        command(E(mnutemplate), mnufile, u"Vzorky", "F9"),
        separator(E(mnuline2), mnufile),
        command(E(mnuopen), mnufile, u"&Otevři", "Ctrl+O"),
        command(E(mnu_open_st), mnufile, u"Otevři standartně"),
        command(E(Mnu_Reload_File), mnufile, u"&Reload souboru", "Ctrl+R"),
        separator(E(mnu07), mnufile),
        command(E(mnusave), mnufile, u"&Ulož jako ...", "Ctrl+S"),
        command(E(mnu_save_st), mnufile, u"Ulož jako (standartně)"),
        command(E(Mnu_SaveFast), mnufile, u"Ulož rychle"),
        command(E(mnuulvyb), mnufile, u"Ulož výběr"),
        separator(E(mnuline6), mnufile),
        subMenu(E(MnuPopUp), mnufile, u"Úpravy okna"),
        command(E(mnucust), MnuPopUp, u"Uprav toolbar"),
        toggle(E(MnuTS), MnuPopUp, u"Zobrazir toolbar", Checked),
        toggle(E(MnuSBS), MnuPopUp, u"Zobrazit stavový řádek", Checked),
        toggle(E(mnuFTS), MnuPopUp, u"Zobrazit Filetab", Checked),
        toggle(E(MnuAllTop), MnuPopUp, u"Vždy navrchu", Unchecked),
        command(E(mnudir), mnufile, u"Adresář..."),
        command(E(mnucalk), mnufile, u"Kalkulačka", "F7"),
        command(E(mnuklavesnice), mnufile, u"Klávesnice"),
        command(E(mnu_utiliti_dos_unix), mnufile, u"Konverze dos - unix"),
        command(E(Mnu_Conv_Charset), mnufile, u"Konverze znakové sady"),
        command(E(mnu_analysis), mnufile, u"&Analýza", "F4"),
        command(E(mnu_crc), mnufile, u"CRC"),
        command(E(Mnu_Lock), mnufile, u"Zamknout program"),
        command(E(Mnu_Open_Next_Window), mnufile, u"Otevřít další okno", "F6"),
        command(E(Mnu_FreeMen), mnufile, u"Uvolni &paměť"),
        command(E(mnuprint), mnufile, u"&Tiskni", "Ctrl+P"),
        separator(E(mnuline10), mnufile),
        command(E(mnuquit), mnufile, u"&Konec", "Ctrl+Q"),

        topMenu(E(mnuedit), u"&Editace"),
        command(E(mnu_chp_s), mnuedit, u"Ulož checkpoint"),
        command(E(mnu_chp_v), mnuedit, u"Zobraz checkpoint"),
        command(E(mnu_chp_r), mnuedit, u"Vrať Checkpoint"),
        separator(E(mnuline15), mnuedit),
        command(E(mnucut), mnuedit, u"V&yjmout", "Ctrl+X"),
        command(E(mnucopysel), mnuedit, u"&Kopírovat", "Ctrl+C"),
        command(E(mnucopy), mnuedit, u"K&opíruj vše"),
        command(E(mnukopsoub), mnuedit, u"Kopíruj do souboru"),
        separator(E(mnuline7), mnuedit),
        command(E(MnuAdd), mnuedit, u"&Vložit", "Ctrl+V"),
        command(E(mnuinsert), mnuedit, u"&Nahraď vše vloženým"),
        command(E(mnuzesouboru), mnuedit, u"Vlož ze souboru"),
        separator(E(mnuline5), mnuedit),
        command(E(mnuallselect), mnuedit, u"&Vyber vše", "Ctrl+A"),
        command(E(mnuclearclip), mnuedit, u"Vyčisti &schránku"),
        subMenu(E(MnuSel), mnuedit, u"Vybraný text"),
        subMenu(E(Mnu_Aa), MnuSel, u"A/a"),
        command(E(mnusmall), Mnu_Aa, u"Znaky na &malé"),
        command(E(mnubig), Mnu_Aa, u"Znaky na &velké"),
        command(E(Mnu_Chaos), Mnu_Aa, u"ChAoS SpEecH"),
        command(E(mnu_CaseInvert), Mnu_Aa, u"Inverze case znaků"),
        command(E(mnu_untext), Mnu_Aa, u"Rozhoď písmena"),
        command(E(mnupropercase), Mnu_Aa, u"Slova na jména"),
        command(E(Mnu_CaseMask), Mnu_Aa, u"Maska Case"),
        subMenu(E(Mnu_NumPrezentationParent), MnuSel, u"Numerické Prezentace textu"),
        command(E(Mnu_Pres_Str2Hex), Mnu_NumPrezentationParent, u"Hexa prezentace"),
        command(E(Mnu_Pres_Hex2Str), Mnu_NumPrezentationParent, u"Zpět Hexa"),
        command(E(Mnu_Pres_Str2Ascii), Mnu_NumPrezentationParent, u"ASCII prezentace"),
        command(E(Mnu_Pres_Ascii2Str), Mnu_NumPrezentationParent, u"Zpět ASCII"),
        subMenu(E(Mnu_CharPosition), MnuSel, u"Pozice znaků"),
        command(E(mnuprevrat), Mnu_CharPosition, u"Převrať pořadí znaků"),
        command(E(MnuSelTextPosun), Mnu_CharPosition, u"Posun"),
        command(E(MnuSelTextDada), Mnu_CharPosition, u"Dadaismus"),
        command(E(Mnu_SelText_RndCharOrder), Mnu_CharPosition,
                u"Náhodné pořadí znaků (Char-Dadaismus)"),
        command(E(Mnu_Sort_Lines), Mnu_CharPosition, u"&Seřadit řádky podle abedcedy"),
        command(E(Mnu_SelText_Rap), MnuSel, u"Rapuj"),
        command(E(Mnu_Sel_CharConv), MnuSel, u"Konverze znaků"),
        command(E(Mnu_Censore), MnuSel, u"Cenzura s*r*s*ý*h slov"),
        command(E(MnuSelTextDivideWordsToLines), MnuSel, u"Rozdělení slov na řádky"),
        command(E(mnuEnterLineNumbers), MnuSel, u"Vlož čísla řádků"),
        command(E(mnu_format), MnuSel, u"Formátováni"),
        separator(E(mnuline8), MnuSel),
        command(E(mnuHackyCarky), MnuSel, u"Osdtraň háčky a čárky"),
        command(E(mnuMakeMorse), MnuSel, u"Vytvoř morseovku"),
        separator(E(mnux3), mnuedit),
        command(E(mnucode), mnuedit, u"Zakóduj / Odkóduj (proudová XOR)"),
        command(E(mnuZaKodPrim), mnuedit, u"Zakóduj / Odkóduj primitivně (XOR)"),
        command(E(mnu_encrypt_shift), mnuedit, u"Posunová Šifra"),
        command(E(Mnu_Encrypt_Confeld), mnuedit, u"Cronfeldův systém"),
        command(E(Mnu_Encrypt_ByteShift), mnuedit, u"Bitový posun "),
        command(E(mnu_rnd_encrypt), mnuedit, u"RND Šifra (nejbezpečnější)"),
        command(E(Mnu_Hack_cry), mnuedit, u"C.H.T."),

        topMenu(E(mnuseek), u"H&ledání"),
        command(E(mnufind), mnuseek, u"Hledání ...", "Ctrl+F"),
        command(E(mnusearch), mnuseek, u"&Najdi primitivně", "F3"),
        command(E(mnuchange), mnuseek, u"&Zaměň ...", "Ctrl+H"),

        topMenu(E(mnutext), u"&Text"),
        subMenu(E(MnuColor), mnutext, u"Barevné zvýraznění"),
        command(E(MnuColorEdit), MnuColor, u"Editor", "Ctrl+D"),
        command(E(MnuColorMakeIt), MnuColor, u"Zvýrazni"),
        command(E(MnuColorOpenSet), MnuColor, u"Nahraj nastavení"),
        subMenu(E(mnusize), mnutext, u"&Velikost"),
        toggle(E(mnu08), mnusize, u"8", Checked, "F8"),
        toggle(E(mnu10), mnusize, u"10", Unchecked),
        toggle(E(mnu12), mnusize, u"12", Unchecked, "F12"),
        toggle(E(mnu14), mnusize, u"14", Unchecked),
        toggle(E(mnu17), mnusize, u"17", Unchecked),
        toggle(E(mnu24), mnusize, u"24", Unchecked),
        toggle(E(mnuitalic), mnutext, u"&Kurzíva", Unchecked),
        toggle(E(mnuEditBold), mnutext, u"&Tučný", Unchecked),
        command(E(mnubasic), mnutext, u"&Základní"),
        command(E(mnuinvert), mnutext, u"&Invertovat Barvu"),
        command(E(mnu_Text_Dos), mnutext, u"DOS"),
        command(E(mnumore), mnutext, u"Více . . ."),

        topMenu(E(MNuHTML), u"H&tml"),
        command(E(mnuhr), MNuHTML, u"Horizontální čára"),
        command(E(mnuobr), MNuHTML, u"Obrázek", "Ctrl+J"),
        command(E(MnuMeta), MNuHTML, u"Meta-tag"),
        command(E(mnuComment), MNuHTML, u"Komentář"),
        command(E(mnuid), MNuHTML, u"Oficiální identifikace"),
        command(E(MnuHTML_link), MNuHTML, u"Linkovaný soubor"),
        separator(E(mnu09), MNuHTML),
        subMenu(E(Mnu_HTML_Forms), MNuHTML, u"Formuláře"),
        command(E(Mnu_HTMLFormInsert), Mnu_HTML_Forms, u"Vložit formulář"),
        command(E(Mnu_HTMLFormInput), Mnu_HTML_Forms, u"Prvek Input"),
        command(E(Mnu_HTMLFromTextArea), Mnu_HTML_Forms, u"Text Area"),
        command(E(Mnu_HTMLFormSelect), Mnu_HTML_Forms, u"Select"),
        subMenu(E(mnuframes), MNuHTML, u"Framesy"),
        command(E(mnuHTML_Fme), mnuframes, u"Frame"),
        command(E(mnuhtml_fno), mnuframes, u"Noframes"),
        subMenu(E(mnutables), MNuHTML, u"Tabulky"),
        command(E(mnutable), mnutables, u"Vlož tabulku"),
        command(E(mnurow), mnutables, u"Vlož řádek"),
        command(E(mnucell), mnutables, u"Vlož buňku"),
        subMenu(E(mnuhyper), MNuHTML, u"Hypertextové odkazy"),
        command(E(mnukotva), mnuhyper, u"Vložit kotvu"),
        command(E(mnuodkaz), mnuhyper, u"Odkaz na kotvu"),
        command(E(mnuodkazjiny), mnuhyper, u"Odkaz na jiný dokument", "Ctrl+K"),
        command(E(mnumailto), mnuhyper, u"Mail-to", "Ctrl+M"),
        subMenu(E(mnulists), MNuHTML, u"Seznamy"),
        command(E(mnulist), mnulists, u"Normální seznam"),
        command(E(mnulistcount), mnulists, u"Číslovaný seznam"),
        command(E(MnuListDef), mnulists, u"Seznam definic"),
        command(E(mnu_HTML_sel_num_list), mnulists, u"Číslovaný seznam z výběru"),
        command(E(mnu_HTML_sel_list), mnulists, u"Seznam z výběru"),
        subMenu(E(mnuodst), MNuHTML, u"Odstavec"),
        command(E(mnuparagraph), mnuodst, u"Odstavec"),
        command(E(MnuCenter), mnuodst, u"Centrovat", "Ctrl+E"),
        command(E(mnubr), mnuodst, u"Odřádkovat"),
        command(E(mnupre), mnuodst, u"Předformátovaný text"),
        command(E(mnucitetext), mnuodst, u"Citovaný text"),
        command(E(MnuHTML_Nobr), mnuodst, u"Bez zalamování"),
        command(E(MnuHTML_Marquee), mnuodst, u"Bežící text"),
        subMenu(E(mnustyll), MNuHTML, u"Styl textu"),
        command(E(mnulabel), mnustyll, u"Nadpis", "Ctrl+L"),
        command(E(mnucite), mnustyll, u"Citát"),
        command(E(mnuadress), mnustyll, u"Adresa"),
        command(E(mnutt), mnustyll, u"Pevnou šířkou znaku"),
        command(E(MnuHTML_code), mnustyll, u"Programový kód"),
        command(E(MnuHTML_samp), mnustyll, u"Příklad, vzorek"),
        command(E(MnuHTML_em), mnustyll, u"Ehm..."),
        separator(E(mnu11), mnustyll),
        command(E(MnuBold), mnustyll, u"Tučně", "Ctrl+B"),
        command(E(MnuHtmlI), mnustyll, u"Kurzívou", "Ctrl+I"),
        command(E(mnuHTMLU), mnustyll, u"Podtrženě", "Ctrl+U"),
        command(E(mnustrike), mnustyll, u"Přeškrtnutě"),
        command(E(mnuhttpbig), mnustyll, u"Velké písmo"),
        command(E(mnusmaal), mnustyll, u"Malé písmo"),
        command(E(mnu_strong), mnustyll, u"&Silně"),
        separator(E(mnu04), mnustyll),
        command(E(mnusup), mnustyll, u"Horní index"),
        command(E(mnusub), mnustyll, u"Dolní index"),
        command(E(mnubarva), mnustyll, u"font textu (barva)"),
        subMenu(E(mnuspec), MNuHTML, u"Speciální znaky"),
        command(E(MnuHTMLeft), mnuspec, u"<"),
        command(E(MnuHTMLright), mnuspec, u">"),
        command(E(mnuHTMLAnd), mnuspec, u"&&"),
        command(E(Mnu_HTML_CharCopyright), mnuspec, u"©"),
        command(E(MNU_HTML_Quot), mnuspec, u"\""),
        command(E(MnuHTMLnobr), mnuspec, u"Nedělitelná mezera"),
        command(E(MnuHTMLASCII), mnuspec, u"ASCII kód"),
        subMenu(E(mnuthmlefect), MNuHTML, u"Efekty"),
        command(E(Mnu_HTMLpublishcode), mnuthmlefect, u"Publikovatelný HTML kód"),
        command(E(Mnu_PHP_CreateFromHTML), mnuthmlefect, u"Vytvoř PHP script"),
        command(E(Mnu_Html_Effect_Wave), mnuthmlefect, u"Vlna <SUP><SUB>"),
        command(E(Mnu_HTML_ColorFade), mnuthmlefect, u"Barevný přechod textu"),
        command(E(mnulinelabel), mnuthmlefect, u"Nadpis s linkami"),
        command(E(mnulinelabel2), mnuthmlefect, u"Nadpis s linkami 2"),
        command(E(mnubreak), mnuthmlefect, u"Zlomek"),
        separator(E(mnux2), MNuHTML),
        command(E(mnuvlastni), MNuHTML, u"Vlastní tag. . ."),
        command(E(Mnu_Insert_Custom_Tag), MNuHTML, u"Vlož&ení vlastního tagu", "Ctrl+W"),
        command(E(mnuatr), MNuHTML, u"Atribut . . ."),
        command(E(Mnu_Edit_Tag), MNuHTML, u"Uprav ta&g", "Ctrl+G"),
        command(E(Mnu_HTML_HexColorEdit), MNuHTML, u"Uprav Hexa Barvu", "Ctrl+Y"),
        separator(E(mnuline9), MNuHTML),
        command(E(mnuNoHtml), MNuHTML, u"Odstraň HTML"),
        command(E(mnutest), MNuHTML, u"Testuj html"),
        command(E(Mnu_Internal_Browser), MNuHTML, u"Interní browser", "F2"),

        topMenu(E(mnusymbol), u"&Vlož"),
        command(E(mnuand), mnusymbol, u"&&"),
        command(E(mnudolar), mnusymbol, u"&$"),
        command(E(mnucross), mnusymbol, u"&#"),
        command(E(mnuSS), mnusymbol, u"&ß"),
        command(E(mnuZav), mnusymbol, u"&@"),
        command(E(mnubackslash), mnusymbol, u"&\\"),
        command(E(mnucop), mnusymbol, u"©"),
        command(E(mnureg), mnusymbol, u"®"),
        command(E(mnutm), mnusymbol, u"™"),
        separator(E(mnuline3), mnusymbol),
        command(E(mnuemail), mnusymbol, u"&E-m@il"),
        command(E(mnusmajl), mnusymbol, u"\"Smajl\""),
        command(E(mnudate), mnusymbol, u"Da&tum", "F5"),
        command(E(mnutime), mnusymbol, u"&Čas"),
        separator(E(mnu02), mnusymbol),
        command(E(mnunahtex), mnusymbol, u"Náhodný text", "F11"),
        command(E(mnunahslovo), mnusymbol, u"Náhodné slovo"),
        command(E(mnunahjmeno), mnusymbol, u"Náhodné jméno"),
        separator(E(Mnu), mnusymbol),
        command(E(mnumorse), mnusymbol, u"Morseovku . . ."),
        separator(E(mnuline1), mnusymbol),
        command(E(mnuASCII), mnusymbol, u"Vložit ASCII Kód"),

        topMenu(E(mnuhelp), u"&Help"),
        command(E(mnuhlp), mnuhelp, u"H&elp", "F1"),
        command(E(mnustart), mnuhelp, u"Úvodní obrazovka"),
        command(E(mnuabout), mnuhelp, u"&About", "Shift+F1"),
    }};
}

#undef E

constexpr MenuTable Table = buildTable();

// Indexing by id relies on the rows standing in enumerator order.
constexpr bool rowsFollowIds() {
    for (int i = 0; i < MenuEntryCount; ++i)
        if (MenuIndex(Table[static_cast<std::size_t>(i)].id) != i)
            return false;
    return true;
}
static_assert(rowsFollowIds(), "menu rows must follow the order of MenuId");

} // namespace

const MenuTable& MainMenuEntries() {
    return Table;
}

const MenuEntry& MainMenuEntry(MenuId id) {
    return Table[static_cast<std::size_t>(MenuIndex(id))];
}
