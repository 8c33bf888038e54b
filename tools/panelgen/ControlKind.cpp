#include "ControlKind.h"

#include <QRegularExpression>

namespace panelgen {
namespace {

bool HasWord(const PanelCommand& command, const char* words) {
    const QRegularExpression pattern(QStringLiteral("\\b(%1)\\b").arg(QLatin1String(words)),
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(command.name).hasMatch();
}

} // namespace

ControlKind KindOf(const PanelCommand& command) {
    if (HasWord(command, "cover|guard|eject|extinguisher"))
        return ControlKind::Guarded;
    if (command.name.startsWith(QLatin1String("Keypad ")))
        return ControlKind::Keycap;
    if (command.hasPressed)
        return ControlKind::Rocker;
    if (HasWord(command, "increase|decrease|brightness|volume|select|channel|preset|scale|gain|temperature"))
        return ControlKind::Knob;
    if (command.hasUp || HasWord(command, "test|reset|mode|hold|lap|dispense|salvo|release"))
        return ControlKind::PushButton;
    return ControlKind::Toggle;
}

RockerDirection DirectionOf(const PanelCommand& command) {
    if (HasWord(command, "left"))
        return RockerDirection::Left;
    if (HasWord(command, "right"))
        return RockerDirection::Right;
    if (HasWord(command, "down|back|decrease|extend|out"))
        return RockerDirection::Down;
    return RockerDirection::Up;
}

PositionWords PositionWordsOf(const PanelCommand& command) {
    static const QRegularExpression sharedEnding(QStringLiteral("(\\w+) (\\w+)/(\\w+) \\2\\b"));
    static const QRegularExpression pair(QStringLiteral("(\\w+)/(\\w+)"));
    if (const auto match = sharedEnding.match(command.name); match.hasMatch())
        return {match.captured(1).toUpper(), match.captured(3).toUpper()};
    if (const auto match = pair.match(command.name); match.hasMatch() && match.captured(1).compare("on", Qt::CaseInsensitive) != 0)
        return {match.captured(1).toUpper(), match.captured(2).toUpper()};
    return {QStringLiteral("ON"), QStringLiteral("OFF")};
}

QString CapLegend(const PanelCommand& command) {
    if (!command.name.startsWith(QLatin1String("Keypad ")))
        return {};
    const QString legend = command.name.mid(7).toUpper();
    if (legend == QLatin1String("ENTER"))
        return QStringLiteral("ENT");
    if (legend == QLatin1String("CLEAR"))
        return QStringLiteral("CLR");
    return legend;
}

} // namespace panelgen
