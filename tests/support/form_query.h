// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <optional>
#include <utility>

using FormParameters = QList<std::pair<QString, QString>>;

// An address query read the way a web server reads a form, written apart from the program's
// encoder: "&" between parameters, the first "=" between name and value, "+" as a blank, "%"
// and two hex digits as one byte, and the bytes as UTF-8. A query that cannot be read so gives
// nothing.
inline std::optional<FormParameters> decodeFormQuery(const QByteArray& query) {
  const auto decode = [](const QByteArray& encoded) -> std::optional<QString> {
    QByteArray bytes;
    for (qsizetype i = 0; i < encoded.size(); ++i) {
      const char c = encoded.at(i);
      if (c == '%') {
        bool ok = false;
        const int byte = encoded.mid(i + 1, 2).toInt(&ok, 16);
        if (!ok || i + 2 >= encoded.size()) return std::nullopt;
        bytes += static_cast<char>(byte);
        i += 2;
      } else {
        bytes += c == '+' ? ' ' : c;
      }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) return std::nullopt;
    return text;
  };
  FormParameters parameters;
  for (const QByteArray& pair : query.split('&')) {
    const qsizetype equals = pair.indexOf('=');
    if (equals < 0) return std::nullopt;
    const auto name = decode(pair.left(equals));
    const auto value = decode(pair.mid(equals + 1));
    if (!name || !value) return std::nullopt;
    parameters.append({*name, *value});
  }
  return parameters;
}

// The six parameters a refer-a-friend request must carry, in order.
inline FormParameters referralParameters(const QString& name, const QString& email,
                                         const QString& message, const QString& friendName,
                                         const QString& friendEmail, const QString& program) {
  return {{QStringLiteral("taf1"), name},        {QStringLiteral("taf2"), email},
          {QStringLiteral("taf3"), message},     {QStringLiteral("taf4"), friendName},
          {QStringLiteral("taf5"), friendEmail}, {QStringLiteral("taf6"), program}};
}
