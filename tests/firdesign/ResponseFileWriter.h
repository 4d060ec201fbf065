#pragma once

#include <cmath>
#include <functional>
#include <string>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

/// Writes small response files for a test into a temporary folder that goes
/// with it.
class ResponseFileWriter {
public:
  /// The file `name` with the text as its bytes.
  QString Write(const QString& name, const std::string& text) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(text.data(), static_cast<qint64>(text.size()));
    }
    return path;
  }

  /// A file of records every `step` Hz from `step` up to 48 kHz, magnitude
  /// and phase given by the functions of the frequency.
  QString WriteSampled(const QString& name, double step, const std::function<double(double)>& magnitude,
                       const std::function<double(double)>& phase) {
    std::string text = "Frequency Magnitude Phase\n";
    for (double f = step; f < 48000.0; f += step) {
      text += Num(f) + " " + Num(magnitude(f)) + " " + Num(phase(f)) + "\n";
    }
    return Write(name, text);
  }

  /// A response delayed by `samples` at 96 kHz (phase wrapped to +-180),
  /// at 0 dB up to `band` Hz and at -120 dB above, where the log grid could
  /// not follow the turning phase.
  QString WriteDelay(const QString& name, double step, int samples, double band) {
    return WriteSampled(
        name, step, [band](double f) { return f < band ? 0.0 : -120.0; },
        [samples](double f) { return std::remainder(-360.0 * f * samples / 96000.0, 360.0); });
  }

  /// A flat response at `level` dB with phase 0.
  QString WriteFlat(const QString& name, double level) {
    const std::string l = Num(level);
    return Write(name, "20 " + l + " 0\n200 " + l + " 0\n20000 " + l + " 0\n30000 " + l + " 0\n");
  }

  /// A number in the C locale with six decimals.
  static std::string Num(double value) { return QString::number(value, 'f', 6).toStdString(); }

private:
  QTemporaryDir m_dir;
};
