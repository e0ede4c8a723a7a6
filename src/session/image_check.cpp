#include "session/image_check.h"

#include "session/status_texts.h"

QStringList imageDifferences(Language s, const QVector<imageFields::Field>& fields,
                             const QByteArray& asked, const QByteArray& held) {
    QStringList lines;
    for (const imageFields::Field& f : fields)
        if (!imageFields::same(f, asked, held))
            lines << startTexts::difference(s, f.name, imageFields::valueText(f, asked),
                                            imageFields::valueText(f, held));
    return lines;
}
