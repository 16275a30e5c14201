// CIraySettings: how the application's physically based renderer renders a view: its mode and
// budget (iterations, seconds), the sun and camera exposure, the denoiser and the section caps.
//
// A plain value; a new one renders up to 30 iterations or 300 seconds, with instancing and the
// deep-learning denoiser on from iteration 8, and green caps switched off.
//
// Archive record (written to disk; must never change): the fields in description order; ints
// as int32, doubles as 8 bytes, bools as one byte, the caps colour as its packed uint32.
#pragma once

#include "basetypes/CProjectColorRGB.h"
#include "basetypes/FieldVisitors.h"
#include "basetypes/ZxApi.h"

class ZX_API CIraySettings : public CDescribedValue<CIraySettings> {
public:
    static constexpr const char* s_kindName = "IraySettings";

    template <class V>
    static void describeFields(V& v) {
        v.field("RenderMode", &CIraySettings::m_renderMode);
        v.field("MaxIterations", &CIraySettings::m_maxIterations, {.min = 0});
        v.field("MaxSeconds", &CIraySettings::m_maxSeconds, {.min = 0});
        v.field("TimeOfDay", &CIraySettings::m_timeOfDay);
        v.field("SunAltitude", &CIraySettings::m_sunAltitude);
        v.field("SunBrightness", &CIraySettings::m_sunBrightness);
        v.field("CameraShutter", &CIraySettings::m_cameraShutter);
        v.field("ExportFocusTime", &CIraySettings::m_exportFocusTime);
        v.field("Instancing", &CIraySettings::m_instancing);
        v.field("SchedulerModeBatch", &CIraySettings::m_schedulerModeBatch);
        v.field("MouseLook", &CIraySettings::m_mouseLook);
        v.field("DeepLearningDenoiserEnabled", &CIraySettings::m_denoiserEnabled);
        v.field("DeepLearningDenoiserStartIter", &CIraySettings::m_denoiserStartIter, {.min = 0});
        v.field("UseCachedResults", &CIraySettings::m_useCachedResults);
        v.field("CapsEnabled", &CIraySettings::m_capsEnabled);
        v.field("CapsRGB", &CIraySettings::m_capsRGB);
    }

    int getRenderMode() const { return m_renderMode; }
    void setRenderMode(int mode) { m_renderMode = mode; }
    int getMaxIterations() const { return m_maxIterations; }
    void setMaxIterations(int iterations) { m_maxIterations = iterations; }
    int getMaxSeconds() const { return m_maxSeconds; }
    void setMaxSeconds(int seconds) { m_maxSeconds = seconds; }
    int getTimeOfDay() const { return m_timeOfDay; }
    void setTimeOfDay(int timeOfDay) { m_timeOfDay = timeOfDay; }
    double getSunAltitude() const { return m_sunAltitude; }
    void setSunAltitude(double altitude) { m_sunAltitude = altitude; }
    double getSunBrightness() const { return m_sunBrightness; }
    void setSunBrightness(double brightness) { m_sunBrightness = brightness; }
    double getCameraShutter() const { return m_cameraShutter; }
    void setCameraShutter(double shutter) { m_cameraShutter = shutter; }
    bool getExportFocusTime() const { return m_exportFocusTime; }
    void setExportFocusTime(bool on) { m_exportFocusTime = on; }
    bool getInstancing() const { return m_instancing; }
    void setInstancing(bool on) { m_instancing = on; }
    bool isSchedulerModeBatch() const { return m_schedulerModeBatch; }
    void setSchedulerModeBatch(bool on) { m_schedulerModeBatch = on; }
    bool isMouseLook() const { return m_mouseLook; }
    void setMouseLook(bool on) { m_mouseLook = on; }
    bool useCachedResults() const { return m_useCachedResults; }
    void setUseCachedResults(bool on) { m_useCachedResults = on; }
    bool isDeepLearningDenoiserEnabled() const { return m_denoiserEnabled; }
    void setDeepLearningDenoiserEnabled(bool on) { m_denoiserEnabled = on; }
    int getDeepLearningDenoiserStartIter() const { return m_denoiserStartIter; }
    void setDeepLearningDenoiserStartIter(int iteration) { m_denoiserStartIter = iteration; }
    bool isCapsEnabled() const { return m_capsEnabled; }
    void setCapsEnabled(bool on) { m_capsEnabled = on; }
    CProjectColorRGB getCapsRGB() const { return m_capsRGB; }
    void setCapsRGB(const CProjectColorRGB& color) { m_capsRGB = color; }

private:
    int m_renderMode = 0;
    int m_maxIterations = 30;
    int m_maxSeconds = 300;
    int m_timeOfDay = 2;
    double m_sunAltitude = 0.0709629;
    double m_sunBrightness = 0.10132;
    double m_cameraShutter = 64.0;
    bool m_exportFocusTime = false;
    bool m_instancing = true;
    bool m_schedulerModeBatch = false;
    bool m_mouseLook = false;
    bool m_denoiserEnabled = true;
    int m_denoiserStartIter = 8;
    bool m_useCachedResults = false;
    bool m_capsEnabled = false;
    CProjectColorRGB m_capsRGB{0x00FF00};
};
