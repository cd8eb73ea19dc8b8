#pragma once

class QWidget;

// Makes Tab go through the window's controls in reading order: top to
// bottom within a column, left to right within a row. Controls in neither
// the same row nor the same column keep the order they had, so a column of
// buttons beside a form stays where it stood. Needs the controls' places,
// so call it once the window is laid out (on showing); the controls of
// another page of a tab strip are ordered when their page is shown.
void SetReadingTabOrder(QWidget& window);
