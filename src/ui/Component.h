#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TApplication;
class TControl;

using TNotifyEvent = std::function<void()>;

// What changed on a component, so a renderer updates only that.
enum class Aspect {
    Caption,
    Hint,
    Enabled,
    Visible,
    Bounds,
    Items,
    Checked,
    Selection,
    Position,
    Page,
    Panels,
    Timer,
    Front,     // a form that is already showing comes to the front
    LineAdded, // a memo got one more line at its end
};

// Base of everything a form holds. An owner destroys what it owns; owned
// components keep their creation order, which language files rely on.
class TComponent {
public:
    TComponent(TComponent* owner, std::string name);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual const char* ClassName() const { return "TComponent"; }
    const std::string& Name() const { return name_; }
    TComponent* Owner() const { return owner_; }
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return components_; }
    TComponent* FindComponent(const std::string& name) const;

    // The application at the root of the ownership chain; null for a loose component.
    TApplication* Application() const;

    // Creates a component owned by this one, appended to the creation order.
    template <class T, class... Args> T* Make(const std::string& name, Args&&... args)
    {
        auto made = std::make_unique<T>(this, name, std::forward<Args>(args)...);
        T* raw = made.get();
        components_.push_back(std::move(made));
        return raw;
    }

    int Tag = 0;

protected:
    // Tells the renderer (if any) that `aspect` of this component changed.
    void Notify(Aspect aspect);

private:
    TComponent* owner_;
    std::string name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};

// A visible control. Bounds are in pixels at 96 DPI, relative to the parent;
// renderers scale them.
class TControl : public TComponent {
public:
    TControl(TComponent* owner, std::string name, TControl* parent);
    const char* ClassName() const override { return "TControl"; }

    TControl* Parent() const { return parent_; }
    const std::vector<TControl*>& Children() const { return children_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& text);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on) { showHint_ = on; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    bool Visible() const { return visible_; }
    void SetVisible(bool on);
    // Visible itself and every parent visible.
    bool Showing() const;

    int Left = 0, Top = 0, Width = 0, Height = 0;
    void SetBounds(int left, int top, int width, int height);

    // The mouse moved over the control (renderers call it; tests may too).
    void MouseMove();
    TNotifyEvent OnMouseMove;
    // The focus came into the control, or into one of the controls it holds, from
    // outside it (TForm::FocusMoved calls it).
    void Enter();
    TNotifyEvent OnEnter;

protected:
    virtual void VisibilityChanged() {}

private:
    TControl* parent_;
    std::vector<TControl*> children_;
    std::string caption_, hint_;
    bool showHint_ = false, enabled_ = true, visible_ = true;
};
