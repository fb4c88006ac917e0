#pragma once

#include <QMetaType>

// The function a device action runs.
enum VelloboxActionType {
    Action_RecordStart = 0,
    Action_Record = 1,
    Action_DigitalLight = 2,
    Action_Magnifier = 3,
    Action_Spotlight = 4,
    Action_MKeySwitch = 5,
    Action_Volume = 6,
    Action_VoiceTyping = 7,
    Action_TranslationTyping = 8,
    Action_SnapshotTranslation = 9,
    Action_GetwordTranslation = 10,
    Action_Enter = 11,
    Action_Backspace = 12,
    Action_AirMouse = 13,
    Action_ShowDesktop = 14,
    Action_CustomShortcut = 15,
    Action_VoiceSearch = 16,
    Action_WebSearch = 17,
    Action_SwitchWindow = 18,
    Action_OpenWebPage = 19
};

// Press or release, and option bits, of an action.
enum VelloboxFunctionFlags {
    Flag_None = 0,
    Flag_Press = 0x1,
    Flag_Release = 0x2,
    Flag_Up = 0x4,
    Flag_Down = 0x8,
    Flag_RecordSubtitle = 0x40,
    Flag_RecordVolume = 0x80,
    Flag_Notice = 0x10000
};

// What changed on a device.
enum NotifyType { Notify_SerialNumber = 0, Notify_Status = 1, Notify_Model = 2 };

// Connection state of a device (the name is kept as the rest of the program spells it).
enum DeiveStatus { Status_Disconnected = 0, Status_Connected = 1, Status_Sleeping = 2 };

// What a listener reports about its transport.
enum OperationType { Operation_None = 0, Operation_Open = 1, Operation_Close = 2, Operation_Read = 3,
                     Operation_Write = 4 };

Q_DECLARE_METATYPE(VelloboxActionType)
Q_DECLARE_METATYPE(VelloboxFunctionFlags)
Q_DECLARE_METATYPE(NotifyType)
Q_DECLARE_METATYPE(DeiveStatus)
Q_DECLARE_METATYPE(OperationType)

// Registers the enumerations that travel in queued signals between threads.
void registerVelloboxMetaTypes();
