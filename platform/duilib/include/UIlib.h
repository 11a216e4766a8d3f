// The skinned-window library in one include. Everything in it runs on the GUI thread; see each header for
// who owns what.
#pragma once

#include "UIDefine.h"
#include "DuiString.h"
#include "TNotifyUI.h"
#include "TEventUI.h"
#include "INotifyUI.h"
#include "IMessageFilterUI.h"
#include "IDialogBuilderCallback.h"
#include "NotifyPump.h"
#include "ControlUI.h"
#include "ContainerUI.h"
#include "VerticalLayoutUI.h"
#include "HorizontalLayoutUI.h"
#include "LabelUI.h"
#include "TextUI.h"
#include "ButtonUI.h"
#include "PaintManagerUI.h"
#include "DialogBuilder.h"
#include "WindowWnd.h"
#include "WindowImplBase.h"
