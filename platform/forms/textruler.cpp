#include "textruler.h"

TextRuler::TextRuler(const QString& text, const QFont& font, const QPaintDevice* device, double unitsPerPixel)
    : m_layout(std::make_shared<QTextLayout>(text, font, device)), m_unitsPerPixel(unitsPerPixel) {
    QTextOption oneLine;
    oneLine.setWrapMode(QTextOption::NoWrap);
    m_layout->setTextOption(oneLine);
    m_layout->beginLayout();
    m_line = m_layout->createLine();
    m_line.setLineWidth(0); // unwrapped, the line takes the whole text
    m_layout->endLayout();
}

double TextRuler::x(qsizetype n) const {
    return qRound(m_line.cursorToX(int(n))) * m_unitsPerPixel;
}

qsizetype TextRuler::boundaryNear(double x) const {
    return m_line.xToCursor(x / m_unitsPerPixel, QTextLine::CursorBetweenCharacters);
}
