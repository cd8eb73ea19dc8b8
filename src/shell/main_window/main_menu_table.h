#pragma once

#include <array>
#include <optional>

// The main window's menu bar as data: every entry in display order, named
// as the program names its menu items. The pop-up menus of the main window
// are two of its submenus, MnuPopUp and MnuSel.

// One enumerator per entry, in display order, so code reaches an entry by a
// typed id; the enumerator's value is the entry's index in the table.
enum class MenuId {
    // Soubor
    mnufile,
    mnuclean,
    mnunewclip,
    mnucreate,
    mnuHTML_fset,
    mnutemplate,
    mnuline2,
    mnuopen,
    mnu_open_st,
    Mnu_Reload_File,
    mnu07,
    mnusave,
    mnu_save_st,
    Mnu_SaveFast,
    mnuulvyb,
    mnuline6,
    MnuPopUp,
    mnucust,
    MnuTS,
    MnuSBS,
    mnuFTS,
    MnuAllTop,
    mnudir,
    mnucalk,
    mnuklavesnice,
    mnu_utiliti_dos_unix,
    Mnu_Conv_Charset,
    mnu_analysis,
    mnu_crc,
    Mnu_Lock,
    Mnu_Open_Next_Window,
    Mnu_FreeMen,
    mnuprint,
    mnuline10,
    mnuquit,

    // Editace
    mnuedit,
    mnu_chp_s,
    mnu_chp_v,
    mnu_chp_r,
    mnuline15,
    mnucut,
    mnucopysel,
    mnucopy,
    mnukopsoub,
    mnuline7,
    MnuAdd,
    mnuinsert,
    mnuzesouboru,
    mnuline5,
    mnuallselect,
    mnuclearclip,
    MnuSel,
    Mnu_Aa,
    mnusmall,
    mnubig,
    Mnu_Chaos,
    mnu_CaseInvert,
    mnu_untext,
    mnupropercase,
    Mnu_CaseMask,
    Mnu_NumPrezentationParent,
    Mnu_Pres_Str2Hex,
    Mnu_Pres_Hex2Str,
    Mnu_Pres_Str2Ascii,
    Mnu_Pres_Ascii2Str,
    Mnu_CharPosition,
    mnuprevrat,
    MnuSelTextPosun,
    MnuSelTextDada,
    Mnu_SelText_RndCharOrder,
    Mnu_Sort_Lines,
    Mnu_SelText_Rap,
    Mnu_Sel_CharConv,
    Mnu_Censore,
    MnuSelTextDivideWordsToLines,
    mnuEnterLineNumbers,
    mnu_format,
    mnuline8,
    mnuHackyCarky,
    mnuMakeMorse,
    mnux3,
    mnucode,
    mnuZaKodPrim,
    mnu_encrypt_shift,
    Mnu_Encrypt_Confeld,
    Mnu_Encrypt_ByteShift,
    mnu_rnd_encrypt,
    Mnu_Hack_cry,

    // Hledání
    mnuseek,
    mnufind,
    mnusearch,
    mnuchange,

    // Text
    mnutext,
    MnuColor,
    MnuColorEdit,
    MnuColorMakeIt,
    MnuColorOpenSet,
    mnusize,
    mnu08,
    mnu10,
    mnu12,
    mnu14,
    mnu17,
    mnu24,
    mnuitalic,
    mnuEditBold,
    mnubasic,
    mnuinvert,
    mnu_Text_Dos,
    mnumore,

    // Html
    MNuHTML,
    mnuhr,
    mnuobr,
    MnuMeta,
    mnuComment,
    mnuid,
    MnuHTML_link,
    mnu09,
    Mnu_HTML_Forms,
    Mnu_HTMLFormInsert,
    Mnu_HTMLFormInput,
    Mnu_HTMLFromTextArea,
    Mnu_HTMLFormSelect,
    mnuframes,
    mnuHTML_Fme,
    mnuhtml_fno,
    mnutables,
    mnutable,
    mnurow,
    mnucell,
    mnuhyper,
    mnukotva,
    mnuodkaz,
    mnuodkazjiny,
    mnumailto,
    mnulists,
    mnulist,
    mnulistcount,
    MnuListDef,
    mnu_HTML_sel_num_list,
    mnu_HTML_sel_list,
    mnuodst,
    mnuparagraph,
    MnuCenter,
    mnubr,
    mnupre,
    mnucitetext,
    MnuHTML_Nobr,
    MnuHTML_Marquee,
    mnustyll,
    mnulabel,
    mnucite,
    mnuadress,
    mnutt,
    MnuHTML_code,
    MnuHTML_samp,
    MnuHTML_em,
    mnu11,
    MnuBold,
    MnuHtmlI,
    mnuHTMLU,
    mnustrike,
    mnuhttpbig,
    mnusmaal,
    mnu_strong,
    mnu04,
    mnusup,
    mnusub,
    mnubarva,
    mnuspec,
    MnuHTMLeft,
    MnuHTMLright,
    mnuHTMLAnd,
    Mnu_HTML_CharCopyright,
    MNU_HTML_Quot,
    MnuHTMLnobr,
    MnuHTMLASCII,
    mnuthmlefect,
    Mnu_HTMLpublishcode,
    Mnu_PHP_CreateFromHTML,
    Mnu_Html_Effect_Wave,
    Mnu_HTML_ColorFade,
    mnulinelabel,
    mnulinelabel2,
    mnubreak,
    mnux2,
    mnuvlastni,
    Mnu_Insert_Custom_Tag,
    mnuatr,
    Mnu_Edit_Tag,
    Mnu_HTML_HexColorEdit,
    mnuline9,
    mnuNoHtml,
    mnutest,
    Mnu_Internal_Browser,

    // Vlož
    mnusymbol,
    mnuand,
    mnudolar,
    mnucross,
    mnuSS,
    mnuZav,
    mnubackslash,
    mnucop,
    mnureg,
    mnutm,
    mnuline3,
    mnuemail,
    mnusmajl,
    mnudate,
    mnutime,
    mnu02,
    mnunahtex,
    mnunahslovo,
    mnunahjmeno,
    Mnu,
    mnumorse,
    mnuline1,
    mnuASCII,

    // Help
    mnuhelp,
    mnuhlp,
    mnustart,
    mnuabout,
};

inline constexpr int MenuEntryCount = 222;
static_assert(static_cast<int>(MenuId::mnuabout) + 1 == MenuEntryCount);

[[nodiscard]] constexpr int MenuIndex(MenuId id) {
    return static_cast<int>(id);
}

enum class MenuEntryKind { Menu, Command, Separator };

struct MenuEntry {
    MenuId id;
    // The entry's name, as its MenuId enumerator is spelled.
    const char* name;
    // The submenu holding the entry; none for the menus of the bar itself.
    std::optional<MenuId> parent;
    MenuEntryKind kind;
    // "&" marks the access key, "&&" shows one ampersand; "-" for a separator.
    const char16_t* caption;
    // Portable key text ("Ctrl+N", "Shift+F1"); empty for none.
    const char* shortcut;
    // Checkable entries carry a check mark the program keeps; checked is the
    // mark a new menu starts with.
    bool checkable;
    bool checked;
};

using MenuTable = std::array<MenuEntry, MenuEntryCount>;

[[nodiscard]] const MenuTable& MainMenuEntries();
[[nodiscard]] const MenuEntry& MainMenuEntry(MenuId id);
