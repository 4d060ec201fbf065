#include "plot/objects/TiPlotAxis.h"

#include <cmath>
#include <exception>

#include <QRegularExpression>

#include "platform/text/CFormat.h"
#include "platform/drawing/TCanvas.h"
#include "plot/base/iDateTimeFormat.h"
#include "plot/base/iDrawing.h"
#include "plot/base/iRounding.h"
#include "plot/core/TiPlotComponent.h"

namespace {

/// Decimal places of the value, exponent and thousands styles.
int Decimals(int precision, TiPrecisionStyle style, double magnitude) {
  return PrecisionToDecimals(precision, int(style), 0, magnitude);
}

QString Fixed(double value, int decimals) { return FormatC("%.*f", decimals, value).trimmed(); }

/// Scientific notation with `digits` digits in all and an exponent of at
/// least three digits: 1.50E+004.
QString Exponent(double value, int digits) {
  QString text = FormatC("%.*E", std::max(digits, 1) - 1, value);
  const int e = text.indexOf(QLatin1Char('E'));
  if (e < 0) {
    return text;
  }
  QString exponent = text.mid(e + 2);
  while (exponent.size() < 3) {
    exponent.prepend(QLatin1Char('0'));
  }
  return text.left(e + 2) + exponent;
}

QString PrefixSymbol(int k, bool& known) {
  static const char* const kSymbols[] = {"y", "z", "a", "f", "p", "n", "\xC2\xB5", "m", "",
                                         "K", "M", "G", "T", "P", "E", "Z", "Y"};
  known = k >= -24 && k <= 24 && k % 3 == 0;
  return known ? QString::fromUtf8(kSymbols[(k + 24) / 3]) : QString();
}

/// Value with thousands separators ("#,#0" and decimals), C locale.
QString Thousands(double value, int decimals) {
  QString text = Fixed(std::fabs(value), decimals);
  const int point = text.indexOf(QLatin1Char('.'));
  const int intEnd = point < 0 ? int(text.size()) : point;
  for (int i = intEnd - 3; i > 0; i -= 3) {
    text.insert(i, QLatin1Char(','));
  }
  return (value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]"))) ? QStringLiteral("-") : QString()) +
         text;
}

}  // namespace

QString TiPlotAxis::FormatValueText(const TiPlotTextSettings& settings, double value, double& minLength) {
  QString text = QStringLiteral("Unknown");
  try {
    switch (settings.FormatStyle) {
      case TiPlotTextFormat::iptfValue:
        if (m_scaleType == TiPlotScaleType::ipstLinear) {
          text = Fixed(value, Decimals(settings.Precision, settings.PrecisionStyle, std::fabs(m_span)));
        } else {
          if (!(value > 0)) {
            return text;
          }
          const int decimals = m_labels.PrecisionStyle == TiPrecisionStyle::ipsFixedDecimalPoints
                                   ? m_labels.Precision
                                   : std::max(0, m_labels.Precision - 1 - TruncSafe(std::log10(value)));
          text = Fixed(value, decimals);
        }
        break;
      case TiPlotTextFormat::iptfExponent:
        if (settings.PrecisionStyle == TiPrecisionStyle::ipsSignificantDigits) {
          text = Exponent(value, settings.Precision).trimmed();
        } else if (settings.PrecisionStyle == TiPrecisionStyle::ipsFixedDecimalPoints) {
          text = Exponent(value, settings.Precision + 1).trimmed();
        }
        break;
      case TiPlotTextFormat::iptfPrefix: {
        const int k = value == 0 ? 0 : TruncSafe(std::trunc(std::log10(std::fabs(value)) / 3) * 3);
        const double scaled = value / std::pow(10.0, k);
        const int decimals = Decimals(settings.Precision, settings.PrecisionStyle, std::fabs(scaled));
        bool known = false;
        const QString symbol = PrefixSymbol(k, known);
        if (known) {
          text = Fixed(scaled, decimals) + symbol;
        }
        if (m_span > 1e-10 && value > -1e-12 && value < 1e-12) {
          text = QStringLiteral("0.") + QString(decimals, QLatin1Char('0'));
        }
        break;
      }
      case TiPlotTextFormat::iptfDateTime:
        if (settings.DateTimeFormat.left(1).toUpper() == QLatin1String("J")) {
          text = QString::number(TruncSafe(value)) + QLatin1Char(' ') +
                 FormatDateTime(settings.DateTimeFormat.mid(1), value).trimmed();
        } else {
          text = FormatDateTime(settings.DateTimeFormat, value).trimmed();
        }
        break;
      case TiPlotTextFormat::iptfPrice32nds: {
        const double v = value + 1.0 / 512;
        const double whole = std::trunc(v);
        const int n = RoundSafe((v - whole) * 1024);
        text = FormatC("%.0f", whole) + QLatin1Char('.') + QString::number(n / 32).rightJustified(2, QLatin1Char('0')) +
               QString::number((n % 32) / 4);
        break;
      }
      case TiPlotTextFormat::iptfThousands:
        text = Thousands(value, Decimals(settings.Precision, settings.PrecisionStyle, std::fabs(m_span))).trimmed();
        break;
    }
  } catch (const std::exception&) {
    text = QStringLiteral("Error");
  }
  m_customizeLabelEventModified = false;
  m_customizeLabelEventText = text;
  if (Owner()) {
    Owner()->DoAxisCustomizeLabel(this, text, value);
  }
  if (m_customizeLabelEventModified) {
    text = m_customizeLabelEventText;
  }
  if (settings.MinLengthAutoAdjust && m_allowLabelMinAdjust && text.size() > minLength) {
    minLength = double(text.size());
  }
  return text;
}

void TiPlotAxis::SetCustomizeLabelEventText(const QString& value) {
  m_customizeLabelEventText = value;
  m_customizeLabelEventModified = true;
}

QString TiPlotAxis::GetLabelText(double value) { return FormatValueText(m_labels, value, m_labels.MinLength); }

namespace {

QString OneLine(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return text;
}

}  // namespace

QString TiPlotAxis::GetCursorText(double value) {
  TiPlotTextSettings& s = m_cursorUseDefaultFormat ? m_labels : m_cursor;
  return OneLine(FormatValueText(s, value, s.MinLength));
}

QString TiPlotAxis::GetCursorValueText(double value) {
  TiPlotTextSettings& s = m_cursorUseDefaultFormat ? m_labels : m_cursor;
  TiPlotTextSettings plain = s;
  plain.FormatStyle = TiPlotTextFormat::iptfValue;
  plain.DateTimeFormat.clear();
  return OneLine(FormatValueText(plain, value, s.MinLength));
}

QString TiPlotAxis::GetLegendText(double value) {
  TiPlotTextSettings& s = m_legendUseDefaultFormat ? m_labels : m_legend;
  return OneLine(FormatValueText(s, value, s.MinLength));
}

QString TiPlotAxis::GetMeasuredLabelText(double value) {
  m_allowLabelMinAdjust = true;
  try {
    const QString text = GetLabelText(value);
    m_allowLabelMinAdjust = false;
    return text;
  } catch (...) {
    m_allowLabelMinAdjust = false;
    throw;
  }
}

int TiPlotAxis::GetMaxLabelWidth(TCanvas& canvas, const TFont& font) {
  canvas.Font().Assign(font);
  const int zero = canvas.TextWidth(QStringLiteral("0"));
  int widest = RoundSafe(zero * m_labels.MinLength);
  const double sample = m_span + std::trunc(m_min / m_span) * m_span;
  widest = std::max(widest, MultiLineTextWidth(canvas, GetMeasuredLabelText(sample)));
  for (const TiPlotTickObject& tick : m_ticks) {
    widest = std::max(widest, MultiLineTextWidth(canvas, tick.Text));
  }
  return widest;
}

int TiPlotAxis::GetLegendMinWidth(TCanvas& canvas, const TFont& font) {
  canvas.Font().Assign(font);
  const double length = m_legendUseDefaultFormat ? m_labels.MinLength : m_legend.MinLength;
  return RoundSafe(canvas.TextWidth(QStringLiteral("0")) * length);
}

int TiPlotAxis::GetCursorMinWidth(TCanvas& canvas, const TFont& font) {
  canvas.Font().Assign(font);
  const double length = m_cursorUseDefaultFormat ? m_labels.MinLength : m_cursor.MinLength;
  return RoundSafe(canvas.TextWidth(QStringLiteral("0")) * length);
}
