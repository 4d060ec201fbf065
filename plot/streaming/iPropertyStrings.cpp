#include "plot/streaming/iPropertyStrings.h"

#include "platform/text/AnsiCodePage.h"
#include "plot/base/EPlotError.h"
#include "plot/base/iPropertyText.h"

namespace {

std::int64_t ParseOrdinal(const TiPlotProperty& p, const QString& value) {
  const QString text = value.trimmed();
  bool ok = false;
  const std::int64_t ordinal =
      text.startsWith(QLatin1Char('$')) ? text.mid(1).toLongLong(&ok, 16) : text.toLongLong(&ok);
  if (!ok) {
    throw EPlotError(QStringLiteral("'%1' is not a valid integer value for %2").arg(value, p.Name));
  }
  if (ordinal < p.OrdinalMin || ordinal > p.OrdinalMax) {
    throw EPlotError(QStringLiteral("%1 is out of range for %2").arg(text, p.Name));
  }
  return ordinal;
}

double ParseFloat(const TiPlotProperty& p, const QString& value) {
  double result = 0;
  if (!TextToFloat(value, result)) {
    throw EPlotError(QStringLiteral("'%1' is not a valid floating point value for %2").arg(value, p.Name));
  }
  return result;
}

/// Converts the value for the property's kind (EPlotError when it does not
/// convert) and, with a holder, sets it.
void Apply(const TiPlotProperty& p, TObject* holder, const QString& value) {
  if (IsOrdinalKind(p.Kind)) {
    const std::int64_t ordinal = ParseOrdinal(p, value);
    if (holder != nullptr) {
      p.SetOrdinal(*holder, ordinal);
    }
  } else if (p.Kind == TiPropertyKind::tkFloat) {
    const double number = ParseFloat(p, value);
    if (holder != nullptr) {
      p.Set(*holder, FloatToText(number));
    }
  } else if (p.Kind == TiPropertyKind::tkString && holder != nullptr) {
    p.Set(*holder, value);
  }
}

}  // namespace

const TiPlotProperty* ResolvePropertyName(const TiPropertyTable& table, const QString& name, TObject** holder) {
  const int dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) {
    const QString head = name.left(dot);
    if (const TiPlotProperty* p = TiPlotPropertyRegistry::Find(table, head); p != nullptr) {
      if (p->Kind != TiPropertyKind::tkClass) {
        throw EPlotError(QStringLiteral("Property %1 is not an object").arg(head));
      }
      if (holder != nullptr && *holder != nullptr) {
        *holder = p->SubObject(**holder);
      }
      return ResolvePropertyName(*p->SubProperties, name.mid(dot + 1), holder);
    }
  }
  const TiPlotProperty* p = TiPlotPropertyRegistry::Find(table, name);
  return p != nullptr && p->Kind != TiPropertyKind::tkClass ? p : nullptr;
}

void ForEachStoredProperty(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                           const std::function<void(const QString&, const TiPlotProperty&, TObject&)>& f) {
  for (const TiPlotProperty& p : table) {
    const QString fullName = prefix.trimmed().isEmpty() ? p.Name : prefix + QLatin1Char('.') + p.Name;
    if (p.Kind != TiPropertyKind::tkClass) {
      f(fullName, p, instance);
    } else if (TObject* sub = p.SubObject(instance); sub != nullptr) {
      ForEachStoredProperty(*sub, *p.SubProperties, fullName, f);
    }
  }
}

void WritePropertiesToStrings(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                              QStringList& out, bool differential, const QStringList& exclusions) {
  ForEachStoredProperty(instance, table, prefix, [&](const QString& fullName, const TiPlotProperty& p, TObject& o) {
    if (exclusions.contains(fullName, Qt::CaseInsensitive)) {
      return;
    }
    QString value;
    if (IsOrdinalKind(p.Kind)) {
      if (differential && p.HasDefault && p.Get(o) == p.Default) {
        return;
      }
      value = QString::number(p.GetOrdinal(o));
    } else {
      value = p.Get(o);
    }
    const QString line = fullName.left(MaxPropertyLineBytes) + QStringLiteral(" = ") + value.left(MaxPropertyLineBytes);
    out << AnsiToWide(WideToAnsiField(line, MaxPropertyLineBytes));
  });
}

QStringList TakePropertySection(const QString& prefix, QStringList& list) {
  QStringList section;
  while (!list.isEmpty()) {
    QString name;
    QString value;
    SplitAtSeparator(list.first(), QLatin1Char('='), name, value);
    QString found;
    StripNamePrefix(prefix, name, found);
    if (found != prefix) {
      break;
    }
    section << name + QStringLiteral(" = ") + value;
    list.removeFirst();
  }
  return section;
}

void CheckPropertyLines(const TiPropertyTable& table, const QString& prefix, const QStringList& lines) {
  for (const QString& line : lines) {
    QString name;
    QString value;
    SplitAtSeparator(line, QLatin1Char('='), name, value);
    try {
      CheckPropertyText(table, name, value);
    } catch (const EPlotError& e) {
      const QString fullName = prefix.isEmpty() ? name : prefix + QLatin1Char('.') + name;
      throw EPlotError(QStringLiteral("%1 (line %2)").arg(e.Message(), fullName));
    }
  }
}

void ApplyPropertyLines(TObject& instance, const TiPropertyTable& table, const QStringList& lines) {
  for (const QString& line : lines) {
    QString name;
    QString value;
    SplitAtSeparator(line, QLatin1Char('='), name, value);
    SetPropertyFromText(instance, table, name, value);
  }
}

void ReadPropertiesFromStrings(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                               QStringList& list) {
  ApplyPropertyLines(instance, table, TakePropertySection(prefix, list));
}

void SetPropertyFromText(TObject& instance, const TiPropertyTable& table, const QString& name, const QString& value) {
  TObject* holder = &instance;
  if (const TiPlotProperty* p = ResolvePropertyName(table, name, &holder); p != nullptr) {
    Apply(*p, holder, value);
  }
}

void CheckPropertyText(const TiPropertyTable& table, const QString& name, const QString& value) {
  if (const TiPlotProperty* p = ResolvePropertyName(table, name, nullptr); p != nullptr) {
    Apply(*p, nullptr, value);
  }
}

TObject* GetObjectPropertyValue(TObject& instance, const TiPropertyTable& table, const QString& propName) {
  const TiPlotProperty* p = TiPlotPropertyRegistry::Find(table, propName);
  return p != nullptr && p->Kind == TiPropertyKind::tkClass ? p->SubObject(instance) : nullptr;
}

TiPropertyKind FindPropertyKind(const TiPropertyTable& table, const QString& prefix, const QString& name) {
  for (const TiPlotProperty& p : table) {
    const QString fullName = prefix.trimmed().isEmpty() ? p.Name : prefix + QLatin1Char('.') + p.Name;
    if (p.Kind != TiPropertyKind::tkClass) {
      if (fullName.compare(name, Qt::CaseInsensitive) == 0) {
        return p.Kind;
      }
    } else if (const TiPropertyKind kind = FindPropertyKind(*p.SubProperties, fullName, name);
               kind != TiPropertyKind::tkUnknown) {
      return kind;
    }
  }
  return TiPropertyKind::tkUnknown;
}

void OPCSetPropertyByName(TObject& instance, const TiPropertyTable& table, const QString& prefix,
                          const QString& value, const QString& target) {
  ForEachStoredProperty(instance, table, prefix, [&](const QString& fullName, const TiPlotProperty& p, TObject& o) {
    if (fullName.compare(target, Qt::CaseInsensitive) != 0) {
      return;
    }
    QString text = value;
    if (p.Kind == TiPropertyKind::tkEnumeration) {
      if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        text = QStringLiteral("1");
      } else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        text = QStringLiteral("0");
      }
      if (p.OrdinalMin == 0 && p.OrdinalMax == 1 && text != QLatin1String("0")) {
        text = QStringLiteral("1");
      }
    }
    if (IsOrdinalKind(p.Kind) || p.Kind == TiPropertyKind::tkFloat || p.Kind == TiPropertyKind::tkString) {
      Apply(p, &o, text);
    }
  });
}
