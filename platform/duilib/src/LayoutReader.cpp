#include "LayoutReader.h"

#include <memory>

#include "AttributeTable.h"
#include "AttributeValues.h"
#include "ContainerUI.h"
#include "ControlFactory.h"
#include "DuiLog.h"
#include "PaintManagerUI.h"
#include "QtText.h"

namespace DuiLib {

namespace {

std::wstring Wide(QStringView text) { return text.toString().toStdWString(); }

}  // namespace

LayoutReader::LayoutReader(const QString& sourceName, IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager)
    : m_sourceName(sourceName)
    , m_pCallback(pCallback)
    , m_pManager(pManager)
{
}

CControlUI* LayoutReader::Read(const QByteArray& text)
{
    m_xml.addData(text);
    if (!ReadWindow())
        return nullptr;
    std::unique_ptr<CControlUI> root(ReadRoot());
    if (m_xml.hasError()) {
        Report(m_xml.errorString());
        return nullptr;
    }
    if (!root)
        Report(QStringLiteral("<Window> holds no control"));
    return root.release();
}

bool LayoutReader::ReadWindow()
{
    if (!m_xml.readNextStartElement()) {
        Report(m_xml.hasError() ? m_xml.errorString() : QStringLiteral("no root element"));
        return false;
    }
    if (m_xml.name() != QLatin1String("Window")) {
        Report(QStringLiteral("the root element is <%1>, not <Window>").arg(m_xml.name()));
        return false;
    }
    for (const QXmlStreamAttribute& attribute : m_xml.attributes())
        ApplyWindowAttribute(attribute.name().toString(), attribute.value().toString());
    return true;
}

// The first control under <Window> is the root; any further one is reported and left out.
CControlUI* LayoutReader::ReadRoot()
{
    CControlUI* pRoot = nullptr;
    while (m_xml.readNextStartElement()) {
        CControlUI* pControl = ReadControl();
        if (!pControl || !pRoot) {
            pRoot = pRoot ? pRoot : pControl;
            continue;
        }
        Report(QStringLiteral("a second control under <Window> is ignored"));
        delete pControl;
    }
    return pRoot;
}

CControlUI* LayoutReader::ReadControl()
{
    const std::wstring className = Wide(m_xml.name());
    CControlUI* pControl = MakeControl(className.c_str());
    if (!pControl) {
        Report(QStringLiteral("unknown control class <%1>").arg(m_xml.name()));
        m_xml.skipCurrentElement();
        return nullptr;
    }
    for (const QXmlStreamAttribute& attribute : m_xml.attributes()) {
        const std::wstring name = Wide(attribute.name());
        const std::wstring value = Wide(attribute.value());
        pControl->SetAttribute(name.c_str(), value.c_str());
    }
    ReadChildren(pControl);
    return pControl;
}

CControlUI* LayoutReader::MakeControl(LPCTSTR pstrClass)
{
    if (CControlUI* pControl = ControlFactory::Create(pstrClass))
        return pControl;
    return m_pCallback ? m_pCallback->CreateControl(pstrClass) : nullptr;
}

void LayoutReader::ReadChildren(CControlUI* pControl)
{
    auto* pContainer = dynamic_cast<CContainerUI*>(pControl);
    while (m_xml.readNextStartElement()) {
        if (!pContainer) {
            Report(QStringLiteral("<%1> is not a container; its content is ignored").arg(m_xml.name()));
            m_xml.skipCurrentElement();
            continue;
        }
        if (CControlUI* pChild = ReadControl())
            pContainer->Add(pChild);
    }
}

void LayoutReader::ApplyWindowAttribute(const QString& name, const QString& value)
{
    using M = CPaintManagerUI;
    static const AttributeEntry<M> kEntries[] = {
        {L"size", [](M& m, LPCTSTR n, LPCTSTR v) { SIZE s{}; if (ParseSize(n, v, s)) m.SetInitSize(s.cx, s.cy); }},
        {L"mininfo", [](M& m, LPCTSTR n, LPCTSTR v) { SIZE s{}; if (ParseSize(n, v, s)) m.SetMinInfo(s.cx, s.cy); }},
        {L"caption", [](M& m, LPCTSTR n, LPCTSTR v) { RECT r{}; if (ParseRect(n, v, r)) m.SetCaptionRect(r); }},
        {L"sizebox", [](M& m, LPCTSTR n, LPCTSTR v) { RECT r{}; if (ParseRect(n, v, r)) m.SetSizeBox(r); }},
    };
    CPaintManagerUI scratch;  // without a window the values are still checked
    CPaintManagerUI& target = m_pManager ? *m_pManager : scratch;
    const std::wstring wideName = name.toStdWString();
    const std::wstring wideValue = value.toStdWString();
    if (!ApplyFromTable(kEntries, target, wideName.c_str(), wideValue.c_str()))
        Report(QStringLiteral("<Window> has no attribute '%1'").arg(name));
}

void LayoutReader::Report(const QString& what)
{
    DuiLog(QStringLiteral("layout %1 line %2: %3").arg(m_sourceName).arg(m_xml.lineNumber()).arg(what));
}

}  // namespace DuiLib
