#pragma once
// The custom encoder values that the format dialog stores per output-format profile id
// (element Format_Custom of "AudioDefaultFormatSetting.xml"), in the file's attribute order.

#include <QString>

struct CustomFormatSettings {
    bool onlyAudio = false;   // OnlyAudio, "Y" = true
    QString videoEncoder;     // V_Encoder
    QString videoResolution;  // V_Resolution
    QString videoFrameRate;   // V_FrameRate
    QString videoBitRate;     // V_BitRate
    QString videoQuality;     // V_Quality
    QString audioEncoder;     // A_Encoder
    QString audioChannels;    // A_Channel
    QString audioSampleRate;  // A_SampleRate
    QString audioBitRate;     // A_BitRate

    // True when nothing is stored (what loadCustomFormat returns for an unknown id).
    bool isEmpty() const
    {
        return !onlyAudio && videoEncoder.isEmpty() && videoResolution.isEmpty() &&
               videoFrameRate.isEmpty() && videoBitRate.isEmpty() && videoQuality.isEmpty() &&
               audioEncoder.isEmpty() && audioChannels.isEmpty() && audioSampleRate.isEmpty() &&
               audioBitRate.isEmpty();
    }
    bool operator==(const CustomFormatSettings& o) const
    {
        return onlyAudio == o.onlyAudio && videoEncoder == o.videoEncoder &&
               videoResolution == o.videoResolution && videoFrameRate == o.videoFrameRate &&
               videoBitRate == o.videoBitRate && videoQuality == o.videoQuality &&
               audioEncoder == o.audioEncoder && audioChannels == o.audioChannels &&
               audioSampleRate == o.audioSampleRate && audioBitRate == o.audioBitRate;
    }
    bool operator!=(const CustomFormatSettings& o) const { return !(*this == o); }
};
