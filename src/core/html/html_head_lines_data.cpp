#include "core/html/html_head_lines.h"

using namespace Qt::StringLiterals;

QStringList DocumentTypeLines() {
    return {
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">"_s,
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"_s,
        u"<!DOCTYPE HTML PUBLIC \"-//IETF/DTD HTML v.m//EN\">"_s,
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Final//EN\">"_s,
    };
}

QStringList MetaSampleLines() {
    return {
        u"<META HTTP-EQUIV=\"CONTENT-LANGUAGE\" CONTENT=\"cz\">"_s,
        u"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1250\">"_s,
        u"<META HTTP-EQUIV=\"Description\" CONTENT=\"Popiska\">"_s,
        u"<META HTTP-EQUIV=\"Expires\" CONTENT=\"Wed,06 Aug 1997 12:34:56 GMT\">"_s,
        u"<META HTTP-EQUIV=\"Keywords\" CONTENT=\"KlíčovéSlovo1, KlíčovéSlovo2, ...\">"_s,
        u"<META HTTP-EQUIV=\"pragma\" CONTENT=\"no-cache\">"_s,
        u"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"1; URL=http://www.example.com/index.php\">"_s,
        u"<META CHARSET=\"windows-1250\">"_s,
        u"<META NAME=\"CLASSIFICATION\" CONTENT=\"Entertainment\">"_s,
        u"<META NAME=\"COPYRIGHT\" CONTENT=\"All rights reserved.\">"_s,
        u"<META NAME=\"DISTRIBUTION\" CONTENT=\"WORLD\">"_s,
        u"<META NAME=\"MICROSOFT BORDER\" CONTENT=\"B, DEFAULT\">"_s,
        u"<META NAME=\"PROGID\" CONTENT=\"TarvelQor.EDITOR.DOCUMENT\">"_s,
        u"<META NAME=\"Resource-Type\" CONTENT=\"document\">"_s,
        u"<META NAME=\"REVISIT-AFTER\" CONTENT=\"28 days\">"_s,
        u"<META NAME=\"ROBOTS\" CONTENT=\"INDEX,FOLLOW\">"_s,
    };
}
