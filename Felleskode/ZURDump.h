#pragma once
// The XML-like dump of items: one line per element, each indented by a count of spaces.
// Item properties carry their value in the attribute "verdi", a list's own settings in "value".

#include <QStringList>
#include <QStringView>

class TSDLItem;

// "<object type="CLASS">", the object's own lines at Indent + 2, "</object>".
void WriteXMLObject(QStringList& Lines, int Indent, const TSDLItem& Object);

// C-style escaping: \a \b \t \n \v \f \r for codes 7 to 13, \" and \\, \xhh for other codes below 32.
QString EscapeC(QStringView text);
