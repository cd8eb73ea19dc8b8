// The texts of the sample documents. Each fixed piece ends its lines with a
// bare LF, which the samples write as CR LF; whether a sample ends with a line
// break is whether its last piece does. Blanks at line ends are part of the
// texts.
#include "core/html/sample_documents.h"

namespace {

constexpr SamplePiece text(QStringView fixed) {
    return {SampleField::Text, fixed};
}
constexpr SamplePiece Head{SampleField::Head};
constexpr SamplePiece UserName{SampleField::UserName};
constexpr SamplePiece UserEmail{SampleField::UserEmail};
constexpr SamplePiece Sentence{SampleField::Sentence};
constexpr SamplePiece Paragraph{SampleField::Paragraph};

constexpr SamplePiece HtmlHomepage[] = {
    Head,
    text(uR"T(  <TITLE>My HOMEPAGE</TITLE>
 </HEAD>
 <BODY BGCOLOR="#FFFFFF" TEXT="#424242" LINK="#FF7D00" VLINK="#FFE100" ALINK="#E1FF00">
  <H1> WELCOME ! </H1>
  <HR ALIGN = "CENTER" NOSHADE Width = "50%">
  <CENTER> <A HREF="mailto:)T"),
    UserEmail,
    text(uR"T(" >Zamailujte mi!</A> </CENTER>
 </BODY>
</HTML>)T"),
};

constexpr SamplePiece HtmlCoolPage[] = {
    Head,
    // The body line keeps its trailing blank.
    text(uR"T(<title>COOL PAGE</title></head>
<body bgcolor="#000000" text="#c0c0c0"> 
<tt><font color="#ffff00" size="+7">NADPIS</font></tt><p>
)T"),
    Paragraph,
    text(u"<br>\n"),
    Paragraph,
    text(u"<br>\n"),
    Paragraph,
    text(uR"T(<br>
<font color="#ffffff"><pre>
Dim Text As String
Dim Caret As Long
Dim Start As Long
Dim Finish As Long
Dim Found As Boolean
Dim TagName As String
Dim Depth As Integer
Dim Quoted As Boolean

Text = Editor.Text
Caret = Editor.SelStart
Start = Caret
Found = False

' back from the caret to the "&lt;" that opens the tag
Do While Start > 0 And Not Found
    Found = (Mid$(Text, Start, 1) = "&lt;")
    If Not Found Then
        Start = Start - 1
    End If
Loop
</pre></font>

<center><font color="#ffffff">T.B.C.</font><p>
<tt><font color="ffff00" size="+1">thanx</font></tt></center>
</body>
</html>
)T"),
};

constexpr SamplePiece HtmlStars[] = {
    Head,
    text(uR"T(<TITLE>Stars</TITLE>
</HEAD><BODY BGCOLOR="#000000" TEXT="#8390FF" VLINK="#92B6FF" LINK="#AEFFFF" ALINK="#FFFFFF">
<CENTER><TABLE WIDTH="85%" CELLSPACING="6" CELLPADDING="2">
<TR><TD BGCOLOR="#000033" ALIGN="CENTER"><A HREF="prev.html">&lt;---<BR>Předchozí</A></TD>
<TD WIDTH="90%" ALIGN="CENTER"><HR WIDTH="600">
<H3>Sekce</H3>
<H1>Nadpis</H1></TD>
<TD BGCOLOR="#000033" ALIGN="CENTER"><A HREF="next.html">---&gt;<BR>Následující</A></TD></TR>
</TABLE></CENTER>
<P ALIGN="CENTER"><HR WIDTH="85%"></P>
<BR>
<CENTER><TABLE CELLSPACING="0" CELLPADDING="0">
<TR><TD>
<B><I>Quot: O čem to je</I></B><BR>
</TD></TR></TABLE></CENTER>
<BR>
)T"),
    Paragraph,
    text(uR"T(
<BR>
<BR><CENTER><HR WIDTH="85%"></CENTER>
<CENTER>Menu : <A HREF="1.html">1</A> | <A HREF="2.html">2</A> | <A HREF="3.html">3</A> | <A HREF="4.html">4</A> | <A HREF="5.html">5</A> | <A HREF="6.html">6</A>
</CENTER>
</BODY>
</HTML>
)T"),
};

constexpr SamplePiece HtmlLinkTables[] = {
    Head,
    text(uR"T(<title>Goo page</title></head>
<body bgcolor="#FFFFFF" text="#000000" link="#024AC9">
<center><b><font face="arial, helvetica" size="-1" color="#000000">)T"),
    Sentence,
    text(uR"T(</font></b>
<br><TABLE width="486" bgcolor="#b4cfec" border="0" cellpadding="2" cellspacing="0">
<tr><td align="justify">
<font face="arial, helvetica" size="-1" color="#000000">Some integersting text<BR>
)T"),
    Sentence,
    text(uR"T(</font>
</td></tr>
</TABLE>
<TABLE width="486" bgcolor="#b4cfec" border="0" cellpadding="3" cellspacing="0">
<tr><td align="justify">
<font face="arial, helvetica" size="-1" color="#000000">&nbsp;<B>HERE WE GO</B></font>
</td></tr></TABLE>
</center><center>
<table width="535" border="0" cellspacing="0" cellpadding="0">
<tr>
<td valign="top">
<UL type="disc"><LI><font face="arial, helvetica" size="-1" color="#000000"><a href="a.html">A</a> <b><i><font color="#CC0000" size="-2">new</font></i></b> )T"),
    Sentence,
    text(uR"T(</font></LI></UL>
<UL type="disc"><LI><font face="arial, helvetica" size="-1" color="#000000"><a href="b.html">B</a> )T"),
    Sentence,
    text(uR"T(</font></LI></UL>
<UL type="disc"><LI><font face="arial, helvetica" size="-1" color="#000000"><a href="c.htm">B</a> )T"),
    Sentence,
    text(uR"T(</font></LI></UL>
<center><font face="verdana, arial" size="-2"><a href="1.html">F1</a>&nbsp;||&nbsp;<a href="2.html">F2</a>&nbsp;||&nbsp;<a href="3.html">F3</a>&nbsp;||&nbsp;<a href="4.html">F4</a></font></center></td></tr>
</table></center></body></html>)T"),
};

constexpr SamplePiece HtmlJavaScript[] = {
    Head,
    text(uR"T(<title>Web Site Main Menu</title>
</head>
<body onLoad="randpage()" TEXT="#ffffff" LINK="#CC0000" VLINK="#CC3333" ALINK="#003366" BGCOLOR="#000000">

<SCRIPT LANGUAGE="JavaScript">
<!--
function canswap() {
    var name = navigator.appName;
    var major = parseInt(navigator.appVersion);
    if (name.indexOf("Explorer") != -1)
        return (major >= 4) ? 1 : 0;
    return (major >= 3) ? 1 : 0;
}

function swtch(img, src) {
    if (canswap() == 1)
        document.images[img].src = src;
}

if (top.location == self.location) {
    top.location.href = "index.html";
}
// -->
</SCRIPT>


<SCRIPT LANGUAGE="JavaScript">
<!--
// the pictures of the menu, loaded before they are needed
var pics = makeArray(
    "images/menu_on.gif",
    "images/menu_off.gif",
    "images/enter_on.gif",
    "images/enter_off.gif",
    "images/black.gif",
    "images/spacer.gif");

// fetched while the page loads, where pictures can be swapped
var loaded = new Array();
if (canswap() == 1) {
    for (var i = 0; i < pics.length; i++) {
        loaded[i] = new Image();
        loaded[i].src = pics[i];
    }
}

// one of the 17 pages into each of the two frames
function randpage() {
    var n = randNum(17);
    parent.random.location.href = "random" + n + ".html";
    parent.quote.location.href = "quote" + n + ".html";
}

// a picture swapped and a new page, as the mouse comes
function menuover(img, src) {
    swtch(img, src);
    randpage();
}

// and as it goes
function menuout(img, src) {
    swtch(img, src);
    randpage();
}

// an array holding the arguments in their order
function makeArray() {
    var list = new Array(makeArray.arguments.length);
    for (var i = 0; i < makeArray.arguments.length; i++)
        list[i] = makeArray.arguments[i];
    return list;
}

// a whole number from 1 to max, taken from the time
function randNum(max) {
    var now = new Date();
    var x = Math.cos(now.getTime() / 1000);
    var n = Math.floor(Math.abs(x) * max) + 1;
    if (n > max)
        n = max;
    return n;
}
// -->
</SCRIPT>



<CENTER>
<TABLE WIDTH="100%" BORDER="0" CELLSPACING="0" CELLPADDING="0">
<TR>
<TD ALIGN="CENTER" VALIGN="TOP">
<A HREF="indexright.html"><IMG SRC="images/black.gif" WIDTH="400" HEIGHT="300" BORDER="0"></A>
<BR>
<IMG SRC="images/spacer.gif" WIDTH="1" HEIGHT="20">
</TD>
</TR>
<TR>
<TD ALIGN="CENTER">
<A HREF="menu.html" TARGET="_top" onMouseOver="menuover('menu', 'images/menu_on.gif')"
 onMouseOut="menuout('menu', 'images/menu_off.gif')"><IMG NAME="menu" SRC="images/menu_off.gif" BORDER="0"></A>
<A HREF="menu.html" TARGET="_top" onMouseOver="menuover('enter', 'images/enter_on.gif')"
 onMouseOut="menuout('enter', 'images/enter_off.gif')"><IMG NAME="enter" SRC="images/enter_off.gif" ALT="ENTER" BORDER="0"></A>
</TD>
</TR>
</TABLE>
<IMG NAME="menu_on" SRC="images/menu_on.gif" WIDTH="1" HEIGHT="1">
<IMG NAME="menu_off" SRC="images/menu_off.gif" WIDTH="1" HEIGHT="1">
<IMG NAME="enter_on" SRC="images/enter_on.gif" WIDTH="1" HEIGHT="1">
<IMG NAME="enter_off" SRC="images/enter_off.gif" WIDTH="1" HEIGHT="1"></CENTER>
</BODY>
</HTML>)T"),
};

constexpr SamplePiece CadIni[] = {
    text(uR"T([AutoCAD General]
ToolBarSize=16
MonoVectors=0
LogFileOpen=0
ACAD=c:\acadwin\support;c:\acadwin\fonts;c:\acadwin\sample
ACADHELP=c:\acadwin\support\acad.hlp
ACADDRV=c:\acadwin\drv
AVEPAGEDIR=c:\acadwin
ACADPAGEDIR=c:\acadwin
AVECFG=c:\acadwin
AVEFACEDIR=c:\acadwin
ACADLOGFILE=c:\acadwin\acad.log
ACADMAXMEM=4000000
Drawing1=c:\acadwin\sample\plan.dwg
Drawing2=c:\acadwin\sample\house.dwg
ToolBar1=\3\3_TOOLBOX ^100^
ToolBar2=_LINE ^101^
ToolBar3=_CIRCLE ^102^
ToolBar4=_ARC ^103^
ToolBar5=_ZOOM _W ^104^
ToolBar6=_DSVIEWER ^106^
ToolBar7=_REDRAW ^107^
ToolBar8=_ERASE ^108^
ToolBar9=_MOVE ^109^
ToolBar10=_COPY ^110^
ToolBar11=_U ^111^
ToolBar12=_TEXT ^112^
ToolBar13=Elev ^74^
ToolBar14=
ToolBar15=
ToolBar16=
ToolBar17=
ToolBar18=
ToolBar19=
ToolBar20=
ToolBar21=
ToolBar22=
ToolBar23=
ToolBar24=
ToolBar25=
ToolBar26=
ACADALTMENU=
ACADPLCMD=
AVERDFILE=
ACADMAXPAGE=
Drawing3=c:\acadwin\sample\site.dwg
Drawing4=c:\acadwin\sample\detail.dwg

[AutoCAD Graphics Window]
WindowState=5
Font=MS Sans Serif 10 400 0
StatusLine=1
ScreenMenu=1
CommandPrompt=3
ScreenRepair=-1
DigitizerArbitration=0
GraphicsBackground=0 0 0
TextBackground=0 128 0
TextForeground=0 0 0
WindowPosition=Left 0, Top 0, Right 800, Bottom 600
XhairPickboxEtc=255 255 255
)T"),
};

constexpr SamplePiece MailToolbarIni[] = {
    text(uR"T([MailComposeToolBar-Summary]
Bars=3
ScreenCX=800
ScreenCY=600

[MailComposeToolBar-Bar3]
BarID=59393

[Settings]
PreviewPages=2

[MailComposeToolBar-Bar0]
BarID=33333

[MailComposeToolBar-Bar1]
BarID=470

[MailComposeToolBar-Bar2]
BarID=59393
)T"),
};

constexpr SamplePiece AutorunInf[] = {
    text(uR"T([autorun]
open=autorun.exe
icon=icon.ini
shell\readme\command=notepad cti_mne.txt
shell\readme=&Informace o CD-ROM
)T"),
};

constexpr SamplePiece AutoexecBat[] = {
    // The BLASTER line keeps its trailing blank.
    text(uR"T(@echo off
SET BLASTER=A220 I5 D1 H5 P330 T6 
SET SOUND=C:\PROGRA~1\CREATIVE\AUDIOAPP
PATH=C:\WINDOWS;C:\WINDOWS\COMMAND;C:\NC;C:\
PATH=%PATH%;C:\LASERJET;
C:\GMOUSE\GMOUSE.COM
)T"),
};

constexpr SamplePiece CleanupBat[] = {
    text(uR"T(wcmdmgrl.exe -stopproc
deltree backup
del data.wts
del wtlog.txt
call updatenow.bat
all updatenow.bat
)T"),
};

constexpr SamplePiece FileIdDiz[] = {
    text(uR"T(XXX 1.0 for Windows XX
Freeware. Freely distributable.
Does not expire. No installation required.

This program does...
...
...

Credits:
Me

Author: )T"),
    UserName,
    text(u"\nE-Mail: "),
    UserEmail,
    text(u"\nWeb:  http://www.example.com/\n"),
};

} // namespace

QString TemplateHtmlHomepage(const SampleInputs& inputs) {
    return BuildSample(HtmlHomepage, inputs);
}

QString TemplateHtmlCoolPage(const SampleInputs& inputs) {
    return BuildSample(HtmlCoolPage, inputs);
}

QString TemplateHtmlStars(const SampleInputs& inputs) {
    return BuildSample(HtmlStars, inputs);
}

QString TemplateHtmlLinkTables(const SampleInputs& inputs) {
    return BuildSample(HtmlLinkTables, inputs);
}

QString TemplateCadIni(const SampleInputs& inputs) {
    return BuildSample(CadIni, inputs);
}

QString TemplateMailToolbarIni(const SampleInputs& inputs) {
    return BuildSample(MailToolbarIni, inputs);
}

QString TemplateAutorunInf(const SampleInputs& inputs) {
    return BuildSample(AutorunInf, inputs);
}

QString TemplateHtmlJavaScript(const SampleInputs& inputs) {
    return BuildSample(HtmlJavaScript, inputs);
}

QString TemplateAutoexecBat(const SampleInputs& inputs) {
    return BuildSample(AutoexecBat, inputs);
}

QString TemplateCleanupBat(const SampleInputs& inputs) {
    return BuildSample(CleanupBat, inputs);
}

QString TemplateFileIdDiz(const SampleInputs& inputs) {
    return BuildSample(FileIdDiz, inputs);
}
