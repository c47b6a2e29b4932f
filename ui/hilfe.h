#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace lumora {

// The manual in the program's language (docs/handbuch.md, or docs/manual.md under English;
// both compiled in) in a window of its own, opened once and brought to the front after that.
void HandbuchZeigen(QWidget* eltern);

// Every command of the program's open windows that has a shortcut, as an HTML table of the
// command and its keys, in the order the windows list them.
QString TastenkuerzelHtml(const QList<QWidget*>& fenster);
// TastenkuerzelHtml of all top-level windows, in a window of its own.
void TastenkuerzelZeigen(QWidget* eltern);

// "Über Lumora": the program, its version and its licence, as the box shows it.
QString UeberText();
// The licence's full text (LICENSE, compiled in).
QString Lizenztext();
void UeberLumoraZeigen(QWidget* eltern);

}  // namespace lumora
