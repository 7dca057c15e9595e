#include "ui/Component.h"

#include <algorithm>

#include "ui/Application.h"
#include "ui/Renderer.h"

TComponent::TComponent(TComponent* owner, std::string name) : owner_(owner), name_(std::move(name)) {}

TComponent::~TComponent()
{
    // Owned components go first, in reverse creation order.
    while (!components_.empty())
        components_.pop_back();
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (const auto& component : components_)
        if (component->Name() == name)
            return component.get();
    return nullptr;
}

TApplication* TComponent::Application() const
{
    const TComponent* at = this;
    while (at->owner_)
        at = at->owner_;
    return dynamic_cast<TApplication*>(const_cast<TComponent*>(at));
}

void TComponent::Notify(Aspect aspect)
{
    if (TApplication* app = Application(); app && app->CurrentRenderer())
        app->CurrentRenderer()->Changed(*this, aspect);
}

TControl::TControl(TComponent* owner, std::string name, TControl* parent)
    : TComponent(owner, std::move(name)), parent_(parent)
{
    if (parent_)
        parent_->children_.push_back(this);
}

void TControl::SetCaption(const std::string& text)
{
    if (text == caption_)
        return;
    caption_ = text;
    Notify(Aspect::Caption);
}

void TControl::SetHint(const std::string& text)
{
    hint_ = text;
    Notify(Aspect::Hint);
}

void TControl::SetEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    Notify(Aspect::Enabled);
}

void TControl::SetVisible(bool on)
{
    if (on == visible_)
        return;
    visible_ = on;
    VisibilityChanged();
    Notify(Aspect::Visible);
}

bool TControl::Showing() const
{
    for (const TControl* at = this; at; at = at->parent_)
        if (!at->visible_)
            return false;
    return true;
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    Notify(Aspect::Bounds);
}

void TControl::MouseMove()
{
    if (OnMouseMove)
        OnMouseMove();
}

void TControl::Enter()
{
    if (OnEnter)
        OnEnter();
}
