#pragma once
// A level block as the media engine lays it out: a byte count at offset 40, levels from 44.

#include <QByteArray>
#include <QtEndian>

#include <vector>

#include "audiolevelmeter.h"

inline QByteArray levelBlock(const std::vector<uint16_t>& levels)
{
    QByteArray block(AudioLevelMeter::kByteCountOffset, '\0');
    const quint32 bytes = qToLittleEndian(quint32(levels.size() * 2));
    block.append(reinterpret_cast<const char*>(&bytes), sizeof bytes);
    for (const uint16_t level : levels) {
        const quint16 le = qToLittleEndian(level);
        block.append(reinterpret_cast<const char*>(&le), sizeof le);
    }
    return block;
}
