// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's side of the web home: the windows and controls as the page's own elements, and
// their events handed to the program. Each function does one thing to the page; the rules stay
// in the program.
mergeInto(LibraryManager.library, {
  $Dom: {
    forms: [],
    controls: [],
    clipboard: null,  // the last write, which the next one waits for
    // The form that takes the keys: an open dialog, else the page's own window.
    keyForm: function () {
      for (var i = Dom.forms.length - 1; i >= 0; --i) {
        var form = Dom.forms[i];
        if (form && form.dialog && form.element.open) return i;
      }
      for (var j = 0; j < Dom.forms.length; ++j) {
        if (Dom.forms[j] && !Dom.forms[j].dialog) return j;
      }
      return -1;
    },
    // The control the keyboard is on: the focusable part of one of ours, else -1.
    focused: function () {
      var at = document.activeElement;
      while (at && at !== document.body) {
        if (at.dataset && at.dataset.control !== undefined) return Number(at.dataset.control);
        at = at.parentElement;
      }
      return -1;
    },
    // The key of a keydown as the program's letters and digits know it, whatever Alt makes of it.
    letterOf: function (event) {
      var code = event.code || '';
      if (/^Key[A-Z]$/.test(code)) return code.charCodeAt(3);
      if (/^Digit[0-9]$/.test(code)) return code.charCodeAt(5);
      return event.key && event.key.length === 1 ? event.key.toUpperCase().charCodeAt(0) : 0;
    },
    // A press outside the controls of an open dialog leaves the keys where they are, as a click
    // on a window that takes no input does; the browser would give them to the dialog itself.
    onMouseDown: function (event) {
      var form = Dom.keyForm();
      if (form < 0 || !Dom.forms[form].dialog) return;
      var dialog = Dom.forms[form].element;
      for (var at = event.target; dialog.contains(at) && at !== dialog; at = at.parentElement) {
        if (at.dataset && at.dataset.control && Dom.controls[at.dataset.control].focus) return;
      }
      event.preventDefault();
    },
    onKeyDown: function (event) {
      var form = Dom.keyForm();
      if (form < 0) return;
      var handled = false;
      if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
        _velmara_web_tab(form, event.shiftKey ? 1 : 0);
        handled = true;
      } else if (event.altKey && !event.ctrlKey && !event.metaKey) {
        var letter = Dom.letterOf(event);
        handled = letter !== 0 && _velmara_web_access_key(form, letter) !== 0;
      } else if (!event.ctrlKey && !event.altKey && !event.metaKey) {
        var arrows = {ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3};
        if (event.key in arrows) handled = _velmara_web_arrow(form, arrows[event.key]) !== 0;
      }
      if (handled) {
        event.preventDefault();
        event.stopPropagation();
      }
    },
    // A device with no mouse or trackpad, a phone or a tablet, as the stylesheet tells it: it
    // lays the windows out for a thumb, and the page reads its touch keyboard.
    touchOnly: function () {
      return getComputedStyle(document.documentElement).getPropertyValue('--touch').trim() === '1';
    },
    // A key in a box that types no character of its own, for its KeyPress handler: Ctrl with a
    // letter, or Backspace, Enter or Escape. True when the handler discarded it.
    discardsKeyDown: function (control, event) {
      if (event.altKey || event.metaKey) return false;
      // An iPhone's delete key is a Backspace key, and its keypad has no other delete.
      if (event.key === 'Backspace' && Dom.touchOnly()) return false;
      if (event.ctrlKey) {
        return /^Key[A-Z]$/.test(event.code) &&
            _velmara_web_key_down(control, event.code.charCodeAt(3), 0) !== 0;
      }
      var named = {Backspace: 1, Enter: 2, Escape: 3}[event.key];
      return named !== undefined && _velmara_web_key_down(control, 0, named) !== 0;
    },
    // A dialog opens over the middle of the page's window, as a window over its owner does.
    centre: function (dialog) {
      var main = Dom.forms.find(function (form) { return form && !form.dialog; });
      if (!main) return;
      var over = main.client.getBoundingClientRect();
      var own = dialog.getBoundingClientRect();
      dialog.style.left = Math.max(0, over.left + (over.width - own.width) / 2) + 'px';
      dialog.style.top = Math.max(0, over.top + (over.height - own.height) / 2) + 'px';
    },
    // Puts `text` where the box's selection is, as typing does, within its length limit.
    insert: function (box, text) {
      var start = box.selectionStart, end = box.selectionEnd;
      if (box.maxLength >= 0) {
        var room = box.maxLength - (box.value.length - (end - start));
        if (room <= 0) return;
        text = Array.from(text).slice(0, room).join('');
      }
      box.setRangeText(text, start, end, 'end');
    },
  },

  velmara_dom_form__deps: ['$Dom'],
  velmara_dom_form: function (form, name, caption, sizable, width, height, frame) {
    var element;
    if (sizable) {
      // The page came with this window drawn, to be seen before the program runs; the program's
      // own takes its place.
      var drawn = document.querySelector('main.standin');
      if (drawn) drawn.remove();
      element = document.createElement('main');
      document.title = UTF8ToString(caption);
      document.addEventListener('keydown', Dom.onKeyDown, true);
      document.addEventListener('mousedown', Dom.onMouseDown, true);
    } else {
      element = document.createElement('dialog');
      // Escape leaves a window without a title bar open.
      element.addEventListener('cancel', function (event) { event.preventDefault(); });
    }
    element.id = UTF8ToString(name);
    element.className = sizable ? 'form' : 'form fixed';
    element.hidden = sizable ? true : false;
    if (sizable) {
      // The window's caption heads the page, for those who read it rather than see it; the
      // browser shows it as the title.
      var heading = document.createElement('h1');
      heading.className = 'caption';
      heading.textContent = UTF8ToString(caption);
      element.appendChild(heading);
    }
    var client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    client.style.borderWidth = frame + 'px';
    element.appendChild(client);
    document.body.appendChild(element);
    Dom.forms[form] = {element: element, client: client, dialog: !sizable};
  },

  velmara_dom_form_remove__deps: ['$Dom'],
  velmara_dom_form_remove: function (form) {
    var gone = Dom.forms[form];
    if (!gone) return;
    if (gone.dialog && gone.element.open) gone.element.close();
    gone.element.remove();
    Dom.forms[form] = null;
  },

  velmara_dom_form_show__deps: ['$Dom'],
  velmara_dom_form_show: function (form, shown) {
    var window = Dom.forms[form];
    if (window.dialog) {
      if (shown && !window.element.open) {
        window.element.showModal();
        Dom.centre(window.element);
      }
      if (!shown && window.element.open) window.element.close();
    } else {
      window.element.hidden = !shown;
    }
  },

  velmara_dom_form_enable__deps: ['$Dom'],
  velmara_dom_form_enable: function (form, enabled) {
    // An inert window takes no input, and gives up the keyboard.
    Dom.forms[form].element.inert = !enabled;
  },

  velmara_dom_form_height__deps: ['$Dom'],
  velmara_dom_form_height: function (form, height) {
    var client = Dom.forms[form].client;
    client.style.height = height + 'px';
    // The controls below the window's height are out of view; laid out for touch, where the
    // window has no height of its own, they are left out, and scrolled to when they come.
    var first = null;
    Array.prototype.forEach.call(client.children, function (control) {
      var top = parseFloat(control.style.top);
      var coming = control.classList.contains('beyond') && top < height;
      control.classList.toggle('beyond', top >= height);
      if (coming && (!first || top < parseFloat(first.style.top))) first = control;
    });
    if (first && Dom.touchOnly()) first.scrollIntoView({block: 'start'});
  },

  velmara_dom_control__deps: ['$Dom'],
  velmara_dom_control: function (form, control, container, kind, name, group, left, top, width,
                                 height) {
    var parent = container >= 0 ? Dom.controls[container].outer : Dom.forms[form].client;
    var id = Dom.forms[form].element.id + '-' + UTF8ToString(name);
    var outer, focus = null;
    switch (kind) {
      case 0:  // button
        outer = focus = document.createElement('button');
        outer.type = 'button';
        outer.addEventListener('click', function () { _velmara_web_click(control); });
        break;
      case 1:  // box
        outer = focus = document.createElement('input');
        outer.type = 'text';
        outer.inputMode = 'decimal';
        outer.autocomplete = 'off';
        outer.spellcheck = false;
        outer.addEventListener('keydown', function (event) {
          if (Dom.discardsKeyDown(control, event)) event.preventDefault();
        });
        outer.addEventListener('beforeinput', function (event) {
          // Pasted text goes in as it is, and is judged when a button reads the box.
          if (event.inputType !== 'insertText' || event.data === null) return;
          event.preventDefault();
          // A touch keypad in a comma region types its decimal separator, ",", for the point.
          var typed = Dom.touchOnly() ? event.data.replace(/,/g, '.') : event.data;
          for (var character of Array.from(typed)) {
            var code = _velmara_web_key_press(control, character.codePointAt(0));
            if (code === character.codePointAt(0)) {
              Dom.insert(outer, character);
            } else if (code) {
              Dom.insert(outer, String.fromCharCode(code));
            }
          }
        });
        break;
      case 2:  // label
        outer = document.createElement('div');
        outer.className = 'label';
        break;
      case 3:  // option button
      case 4:  // check box
        outer = document.createElement('label');
        outer.className = kind === 3 ? 'option' : 'check';
        focus = document.createElement('input');
        focus.type = kind === 3 ? 'radio' : 'checkbox';
        if (kind === 3) focus.name = Dom.forms[form].element.id + '-' + UTF8ToString(group);
        focus.addEventListener('change', function () {
          if (kind === 4 || focus.checked) _velmara_web_click(control);
        });
        outer.appendChild(focus);
        outer.appendChild(document.createElement('span'));
        break;
      case 5:  // frame
        outer = document.createElement('fieldset');
        outer.appendChild(document.createElement('legend'));
        break;
      case 6:  // line
        outer = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
        outer.setAttribute('class', 'line');
        outer.setAttribute('aria-hidden', 'true');
        break;
      default:  // image
        outer = document.createElement('img');
        outer.alt = '';
        break;
    }
    outer.id = id;
    (focus || outer).dataset.control = control;
    outer.style.left = left + 'px';
    outer.style.top = top + 'px';
    outer.style.width = width + 'px';
    outer.style.height = height + 'px';
    // Its place where the window is laid out for touch.
    outer.style.gridArea = UTF8ToString(name);
    parent.appendChild(outer);
    Dom.controls[control] = {outer: outer, focus: focus, kind: kind};
  },

  velmara_dom_line__deps: ['$Dom'],
  velmara_dom_line: function (control, x1, y1, x2, y2) {
    var svg = Dom.controls[control].outer;
    var line = document.createElementNS('http://www.w3.org/2000/svg', 'line');
    line.setAttribute('x1', x1 + 0.5);
    line.setAttribute('y1', y1 + 0.5);
    line.setAttribute('x2', x2 + 0.5);
    line.setAttribute('y2', y2 + 0.5);
    svg.appendChild(line);
  },

  velmara_dom_style__deps: ['$Dom'],
  velmara_dom_style: function (control, align, maxLength, readOnly, border, transparent) {
    var c = Dom.controls[control];
    // Boxes and labels align their text as the design says; buttons keep theirs in the middle.
    if (c.kind === 1 || c.kind === 2) c.outer.style.textAlign = ['left', 'right', 'center'][align];
    if (c.kind === 1) {
      if (maxLength > 0) c.outer.maxLength = maxLength;
      c.outer.readOnly = readOnly !== 0;
    }
    if (border) c.outer.classList.add('framed');
    if (transparent) c.outer.classList.add('transparent');
  },

  velmara_dom_font__deps: ['$Dom'],
  velmara_dom_font: function (control, family, points, bold) {
    var style = Dom.controls[control].outer.style;
    if (family) style.fontFamily = '"' + UTF8ToString(family) + '", var(--design-faces)';
    if (points > 0) style.fontSize = points + 'pt';
    if (bold) style.fontWeight = 'bold';
  },

  velmara_dom_tooltip__deps: ['$Dom'],
  velmara_dom_tooltip: function (control, text) {
    Dom.controls[control].outer.title = UTF8ToString(text);
  },

  velmara_dom_picture__deps: ['$Dom'],
  velmara_dom_picture: function (control, name) {
    Dom.controls[control].outer.src = UTF8ToString(name) + '.svg';
  },

  velmara_dom_caption__deps: ['$Dom'],
  velmara_dom_caption: function (control, text, marks, count) {
    var c = Dom.controls[control];
    var shown = UTF8ToString(text);
    var target = c.kind === 5 ? c.outer.firstChild : (c.kind === 3 || c.kind === 4) ?
        c.outer.lastChild : c.outer;
    if (c.kind === 1) {
      c.outer.value = shown;
      return;
    }
    var at = [];
    for (var i = 0; i < count; ++i) at.push(HEAP32[(marks >> 2) + i]);
    target.textContent = '';
    var from = 0;
    at.forEach(function (mark) {
      target.appendChild(document.createTextNode(shown.slice(from, mark)));
      var u = document.createElement('u');
      u.textContent = shown.charAt(mark);
      target.appendChild(u);
      from = mark + 1;
    });
    target.appendChild(document.createTextNode(shown.slice(from)));
  },

  velmara_dom_value_length__deps: ['$Dom'],
  velmara_dom_value_length: function (control) {
    return lengthBytesUTF8(Dom.controls[control].outer.value);
  },

  velmara_dom_value_copy__deps: ['$Dom'],
  velmara_dom_value_copy: function (control, buffer, size) {
    stringToUTF8(Dom.controls[control].outer.value, buffer, size);
  },

  velmara_dom_name__deps: ['$Dom'],
  velmara_dom_name: function (control, name) {
    var c = Dom.controls[control];
    var element = c.focus || c.outer;
    var said = UTF8ToString(name);
    if (c.kind === 7) {
      element.alt = said;
    } else if (said) {
      element.setAttribute('aria-label', said);
    } else {
      element.removeAttribute('aria-label');
    }
  },

  velmara_dom_back_colour__deps: ['$Dom'],
  velmara_dom_back_colour: function (control, css) {
    Dom.controls[control].outer.style.backgroundColor = UTF8ToString(css);
  },

  velmara_dom_checked__deps: ['$Dom'],
  velmara_dom_checked: function (control) {
    var focus = Dom.controls[control].focus;
    return focus && focus.checked ? 1 : 0;
  },

  velmara_dom_check__deps: ['$Dom'],
  velmara_dom_check: function (control, checked) {
    Dom.controls[control].focus.checked = checked !== 0;
  },

  velmara_dom_usable__deps: ['$Dom'],
  velmara_dom_usable: function (control) {
    var c = Dom.controls[control];
    var element = c.focus || c.outer;
    return !c.outer.hidden && !element.disabled ? 1 : 0;
  },

  velmara_dom_focus__deps: ['$Dom'],
  velmara_dom_focus: function (control) {
    var c = Dom.controls[control];
    // The part of the window out of view (the collapsed energy panel) keeps its place.
    (c.focus || c.outer).focus({preventScroll: true, focusVisible: true});
  },

  velmara_dom_select_all__deps: ['$Dom'],
  velmara_dom_select_all: function (control) {
    Dom.controls[control].outer.select();
  },

  velmara_dom_focused__deps: ['$Dom'],
  velmara_dom_focused: function () {
    return Dom.focused();
  },

  velmara_dom_clipboard__deps: ['$Dom'],
  velmara_dom_clipboard: function (text) {
    var written = UTF8ToString(text);
    // One write after the other, in the program's order; a refusal leaves the clipboard as it was.
    Dom.clipboard = (Dom.clipboard || Promise.resolve()).then(function () {
      return navigator.clipboard.writeText(written);
    }).catch(function () {});
  },

  velmara_dom_end__deps: ['$Dom'],
  velmara_dom_end: function () {
    document.removeEventListener('keydown', Dom.onKeyDown, true);
    document.removeEventListener('mousedown', Dom.onMouseDown, true);
    document.body.textContent = '';
    var ended = document.createElement('p');
    ended.className = 'ended';
    ended.textContent = document.title + ' has ended. ';
    var again = document.createElement('a');
    again.href = location.href;
    again.textContent = 'Start it again';
    ended.appendChild(again);
    document.body.appendChild(ended);
    // A window the program opened, as an installed app's, goes; a browser's tab stays.
    window.close();
  },

  velmara_dom_later: function () {
    setTimeout(function () { _velmara_web_run_later(); }, 0);
  },
});
