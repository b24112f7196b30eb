<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AdvancedSettingDialogViewController</name>
    <message>
        <source>高度な設定</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>出力の種類</source>
        <translation>Output type</translation>
    </message>
    <message>
        <source>キー出力</source>
        <translation>Key output</translation>
    </message>
    <message>
        <source>クリック</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>モディファイア プラス クリック</source>
        <translation>Modifier + click</translation>
    </message>
    <message>
        <source>連続キー出力</source>
        <translation>Repeated key</translation>
    </message>
    <message>
        <source>ポインタ移動</source>
        <translation>Pointer move</translation>
    </message>
    <message>
        <source>ホイール回転</source>
        <translation>Wheel rotation</translation>
    </message>
    <message>
        <source>連続クリック</source>
        <translation>Repeated click</translation>
    </message>
    <message>
        <source>複数同時キー出力</source>
        <translation>Several keys</translation>
    </message>
    <message>
        <source>変化時に出力</source>
        <translation>Output on change</translation>
    </message>
</context>
<context>
    <name>ClickTab</name>
    <message>
        <source>複数のボタンを同時にクリックする</source>
        <translation>Click several buttons together</translation>
    </message>
    <message>
        <source>クリック</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>左ボタンクリック</source>
        <translation>Left button click</translation>
    </message>
    <message>
        <source>右ボタンクリック</source>
        <translation>Right button click</translation>
    </message>
    <message>
        <source>中央ボタンクリック</source>
        <translation>Middle button click</translation>
    </message>
    <message>
        <source>左ボタンダブルクリック</source>
        <translation>Left button double click</translation>
    </message>
    <message>
        <source>右ボタンダブルクリック</source>
        <translation>Right button double click</translation>
    </message>
    <message>
        <source>中央ボタンダブルクリック</source>
        <translation>Middle button double click</translation>
    </message>
    <message>
        <source>同時にクリックするボタン</source>
        <translation>Buttons clicked together</translation>
    </message>
    <message>
        <source>左ボタン</source>
        <translation>Left button</translation>
    </message>
    <message>
        <source>右ボタン</source>
        <translation>Right button</translation>
    </message>
    <message>
        <source>中央ボタン</source>
        <translation>Middle button</translation>
    </message>
</context>
<context>
    <name>Description</name>
    <message>
        <source>[キー] なし</source>
        <translation>[Key] None</translation>
    </message>
    <message>
        <source>[キー] ---</source>
        <translation>[Key] ---</translation>
    </message>
    <message>
        <source>[キー] %1</source>
        <translation>[Key] %1</translation>
    </message>
    <message>
        <source>[キー説明] %1</source>
        <translation>[Key explanation] %1</translation>
    </message>
    <message>
        <source>[モディファイア] %1</source>
        <translation>[Modifiers] %1</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>[加速] あり</source>
        <translation>[Acceleration] On</translation>
    </message>
    <message>
        <source>[加速指標] %1</source>
        <translation>[Acceleration index] %1</translation>
    </message>
    <message>
        <source>[加速] なし</source>
        <translation>[Acceleration] Off</translation>
    </message>
    <message>
        <source>[加速指標] 0</source>
        <translation>[Acceleration index] 0</translation>
    </message>
    <message>
        <source>[繰り返し数] %1</source>
        <translation>[Repeats] %1</translation>
    </message>
    <message>
        <source>[繰り返し] ペダルを離すまで</source>
        <translation>[Repeat] Until the pedal is released</translation>
    </message>
    <message>
        <source>[クリック] %1</source>
        <translation>[Click] %1</translation>
    </message>
    <message>
        <source>[クリック説明] %1</source>
        <translation>[Click explanation] %1</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>中央</source>
        <translation>Middle</translation>
    </message>
    <message>
        <source>左, 右ボタン 同時クリック</source>
        <translation>Left and right buttons together</translation>
    </message>
    <message>
        <source>左, 中央ボタン 同時クリック</source>
        <translation>Left and middle buttons together</translation>
    </message>
    <message>
        <source>右, 中央ボタン 同時クリック</source>
        <translation>Right and middle buttons together</translation>
    </message>
    <message>
        <source>左, 右, 中央ボタン 同時クリック</source>
        <translation>Left, right and middle buttons together</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Down-right</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Up-right</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Up-left</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Down-left</translation>
    </message>
    <message>
        <source>(左)control+</source>
        <translation>Left Ctrl+</translation>
    </message>
    <message>
        <source>(左)shift+</source>
        <translation>Left Shift+</translation>
    </message>
    <message>
        <source>(左)option+</source>
        <translation>Left Alt+</translation>
    </message>
    <message>
        <source>(左)command+</source>
        <translation>Left Super+</translation>
    </message>
    <message>
        <source>右control+</source>
        <translation>Right Ctrl+</translation>
    </message>
    <message>
        <source>右shift+</source>
        <translation>Right Shift+</translation>
    </message>
    <message>
        <source>右option+</source>
        <translation>Right Alt+</translation>
    </message>
    <message>
        <source>右command+</source>
        <translation>Right Super+</translation>
    </message>
    <message>
        <source>前方</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>後方</source>
        <translation>Backward</translation>
    </message>
    <message>
        <source>１番目のクリックと同じ</source>
        <translation>Same as the first click</translation>
    </message>
    <message>
        <source>ペダルを離すまで</source>
        <translation>Until the pedal is released</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>組</source>
        <translation>Series</translation>
    </message>
    <message>
        <source>複数同時キー出力</source>
        <translation>Several keys at once</translation>
    </message>
    <message>
        <source>[オンの時間] %1 ミリ秒</source>
        <translation>[On time] %1 ms</translation>
    </message>
    <message>
        <source>[間の時間] %1 ミリ秒</source>
        <translation>[Time between] %1 ms</translation>
    </message>
    <message>
        <source>[出力の数] %1</source>
        <translation>[Number of outputs] %1</translation>
    </message>
    <message>
        <source>[繰り返しの単位] %1</source>
        <translation>[Repeat unit] %1</translation>
    </message>
    <message>
        <source>[%1番目の出力] %2</source>
        <translation>[Output %1] %2</translation>
    </message>
    <message>
        <source>クリック</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>[ボタン] %1</source>
        <translation>[Button] %1</translation>
    </message>
    <message>
        <source>想定外のクリック</source>
        <translation>Unexpected click</translation>
    </message>
    <message>
        <source>ダブルクリック</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>[ボタン] 想定外のダブルクリック</source>
        <translation>[Button] Unexpected double click</translation>
    </message>
    <message>
        <source>キー出力</source>
        <translation>Key output</translation>
    </message>
    <message>
        <source>モディファイア プラス クリック</source>
        <translation>Modifier plus click</translation>
    </message>
    <message>
        <source>[クリック] %1ボタン クリック</source>
        <translation>[Click] %1 button click</translation>
    </message>
    <message>
        <source>モディファイア プラス ダブルクリック</source>
        <translation>Modifier plus double click</translation>
    </message>
    <message>
        <source>[クリック] (左ボタン) ダブルクリック</source>
        <translation>[Click] (Left button) double click</translation>
    </message>
    <message>
        <source>[クリック] 右ボタン ダブルクリック</source>
        <translation>[Click] Right button double click</translation>
    </message>
    <message>
        <source>[クリック] 中央ボタン ダブルクリック</source>
        <translation>[Click] Middle button double click</translation>
    </message>
    <message>
        <source>変化時に出力</source>
        <translation>Output on change</translation>
    </message>
    <message>
        <source>[ペダルを踏んだ時の出力] あり 以下の通り</source>
        <translation>[Output when pressed] Yes, as follows</translation>
    </message>
    <message>
        <source>[ペダルを踏んだ時の出力] なし</source>
        <translation>[Output when pressed] None</translation>
    </message>
    <message>
        <source>[ペダルを離した時の出力] あり 以下の通り</source>
        <translation>[Output when released] Yes, as follows</translation>
    </message>
    <message>
        <source>[ペダルを離した時の出力] なし</source>
        <translation>[Output when released] None</translation>
    </message>
    <message>
        <source>マウスポインタ移動</source>
        <translation>Mouse pointer move</translation>
    </message>
    <message>
        <source>[移動方向] %1</source>
        <translation>[Direction] %1</translation>
    </message>
    <message>
        <source>[速度] %1 ドット/秒</source>
        <translation>[Speed] %1 dots/s</translation>
    </message>
    <message>
        <source>連続クリック</source>
        <translation>Repeated click</translation>
    </message>
    <message>
        <source>[速度] %1 回/秒</source>
        <translation>[Speed] %1 per second</translation>
    </message>
    <message>
        <source>連続キー出力</source>
        <translation>Repeated key output</translation>
    </message>
    <message>
        <source>[設定されている機能] %1</source>
        <translation>[Function] %1</translation>
    </message>
    <message>
        <source>[１番目のクリックの長さ] %1 ミリ秒</source>
        <translation>[Length of the first click] %1 ms</translation>
    </message>
    <message>
        <source>[２番目のクリックの長さ] %1</source>
        <translation>[Length of the second click] %1</translation>
    </message>
    <message>
        <source>[クリックの間の長さ] %1 ミリ秒</source>
        <translation>[Time between the clicks] %1 ms</translation>
    </message>
    <message>
        <source>ホイール回転</source>
        <translation>Wheel rotation</translation>
    </message>
    <message>
        <source>[回転方向] %1</source>
        <translation>[Direction of rotation] %1</translation>
    </message>
</context>
<context>
    <name>Key</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>何も出力しない</source>
        <translation>Outputs nothing</translation>
    </message>
    <message>
        <source>Error Roll Over</source>
        <translation>Error Roll Over</translation>
    </message>
    <message>
        <source>POST Fail</source>
        <translation>POST Fail</translation>
    </message>
    <message>
        <source>Error Undefined</source>
        <translation>Error Undefined</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 A</source>
        <translation>Shift plus this key: capital A</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 B</source>
        <translation>Shift plus this key: capital B</translation>
    </message>
    <message>
        <source>c</source>
        <translation>c</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 C</source>
        <translation>Shift plus this key: capital C</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 D</source>
        <translation>Shift plus this key: capital D</translation>
    </message>
    <message>
        <source>e</source>
        <translation>e</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 E</source>
        <translation>Shift plus this key: capital E</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 F</source>
        <translation>Shift plus this key: capital F</translation>
    </message>
    <message>
        <source>g</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 G</source>
        <translation>Shift plus this key: capital G</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 H</source>
        <translation>Shift plus this key: capital H</translation>
    </message>
    <message>
        <source>i</source>
        <translation>i</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 I</source>
        <translation>Shift plus this key: capital I</translation>
    </message>
    <message>
        <source>j</source>
        <translation>j</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 J</source>
        <translation>Shift plus this key: capital J</translation>
    </message>
    <message>
        <source>k</source>
        <translation>k</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 K</source>
        <translation>Shift plus this key: capital K</translation>
    </message>
    <message>
        <source>l</source>
        <translation>l</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 L</source>
        <translation>Shift plus this key: capital L</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 M</source>
        <translation>Shift plus this key: capital M</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 N</source>
        <translation>Shift plus this key: capital N</translation>
    </message>
    <message>
        <source>o</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 O</source>
        <translation>Shift plus this key: capital O</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 P</source>
        <translation>Shift plus this key: capital P</translation>
    </message>
    <message>
        <source>q</source>
        <translation>q</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 Q</source>
        <translation>Shift plus this key: capital Q</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 R</source>
        <translation>Shift plus this key: capital R</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 S</source>
        <translation>Shift plus this key: capital S</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 T</source>
        <translation>Shift plus this key: capital T</translation>
    </message>
    <message>
        <source>u</source>
        <translation>u</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 U</source>
        <translation>Shift plus this key: capital U</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 V</source>
        <translation>Shift plus this key: capital V</translation>
    </message>
    <message>
        <source>w</source>
        <translation>w</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 W</source>
        <translation>Shift plus this key: capital W</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 X</source>
        <translation>Shift plus this key: capital X</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 Y</source>
        <translation>Shift plus this key: capital Y</translation>
    </message>
    <message>
        <source>z</source>
        <translation>z</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで大文字 Z</source>
        <translation>Shift plus this key: capital Z</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで !</source>
        <translation>Shift plus this key: !</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで &quot;</source>
        <translation>Shift plus this key: &quot;</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで #</source>
        <translation>Shift plus this key: #</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで $</source>
        <translation>Shift plus this key: $</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで %</source>
        <translation>Shift plus this key: %</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで &amp;</source>
        <translation>Shift plus this key: &amp;</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで &apos;</source>
        <translation>Shift plus this key: &apos;</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで (</source>
        <translation>Shift plus this key: (</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで )</source>
        <translation>Shift plus this key: )</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Enter (Return)</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで =</source>
        <translation>Shift plus this key: =</translation>
    </message>
    <message>
        <source>^</source>
        <translation>^</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで ~</source>
        <translation>Shift plus this key: ~</translation>
    </message>
    <message>
        <source>@</source>
        <translation>@</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで `</source>
        <translation>Shift plus this key: `</translation>
    </message>
    <message>
        <source>[</source>
        <translation>[</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで {</source>
        <translation>Shift plus this key: {</translation>
    </message>
    <message>
        <source>]</source>
        <translation>]</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで }</source>
        <translation>Shift plus this key: }</translation>
    </message>
    <message>
        <source>;</source>
        <translation>;</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで +</source>
        <translation>Shift plus this key: +</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで *</source>
        <translation>Shift plus this key: *</translation>
    </message>
    <message>
        <source>`</source>
        <translation>`</translation>
    </message>
    <message>
        <source>,</source>
        <translation>,</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで &lt;</source>
        <translation>Shift plus this key: &lt;</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで &gt;</source>
        <translation>Shift plus this key: &gt;</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Shiftプラスこのキーで ?</source>
        <translation>Shift plus this key: ?</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Shiftとともに使う</source>
        <translation>Used with Shift</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Fn</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>キーボード独自のfnキーとは異なります</source>
        <translation>Insert key; not the Fn key of a keyboard</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>del</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>→</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>右矢印</source>
        <translation>Right arrow</translation>
    </message>
    <message>
        <source>←</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>左矢印</source>
        <translation>Left arrow</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>下矢印</source>
        <translation>Down arrow</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>上矢印</source>
        <translation>Up arrow</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>キーパッド /</source>
        <translation>Keypad /</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー</source>
        <translation>A key on the numeric keypad</translation>
    </message>
    <message>
        <source>キーパッド *</source>
        <translation>Keypad *</translation>
    </message>
    <message>
        <source>キーパッド -</source>
        <translation>Keypad -</translation>
    </message>
    <message>
        <source>キーパッド +</source>
        <translation>Keypad +</translation>
    </message>
    <message>
        <source>キーパッド Enter (Return)</source>
        <translation>Keypad Enter</translation>
    </message>
    <message>
        <source>キーパッド End</source>
        <translation>Keypad End</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 1</source>
        <translation>A key on the numeric keypad; 1 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド ↓(下矢印)</source>
        <translation>Keypad Down</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 2</source>
        <translation>A key on the numeric keypad; 2 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド PageDown</source>
        <translation>Keypad Page Down</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 3</source>
        <translation>A key on the numeric keypad; 3 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド ←(左矢印)</source>
        <translation>Keypad Left</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 4</source>
        <translation>A key on the numeric keypad; 4 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド 5</source>
        <translation>Keypad 5</translation>
    </message>
    <message>
        <source>NumLockオンで使う オフでは出力なし</source>
        <translation>Works with Num Lock on; outputs nothing with it off</translation>
    </message>
    <message>
        <source>キーパッド →(右矢印)</source>
        <translation>Keypad Right</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 6</source>
        <translation>A key on the numeric keypad; 6 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド Home</source>
        <translation>Keypad Home</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 7</source>
        <translation>A key on the numeric keypad; 7 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド ↑(上矢印)</source>
        <translation>Keypad Up</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 8</source>
        <translation>A key on the numeric keypad; 8 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド Page Up</source>
        <translation>Keypad Page Up</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 9</source>
        <translation>A key on the numeric keypad; 9 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド Insert</source>
        <translation>Keypad Insert</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで 0</source>
        <translation>A key on the numeric keypad; 0 with Num Lock on</translation>
    </message>
    <message>
        <source>キーパッド Delete</source>
        <translation>Keypad Delete</translation>
    </message>
    <message>
        <source>キーパッド(テンキー)にあるキー NumLockオンで .</source>
        <translation>A key on the numeric keypad; . with Num Lock on</translation>
    </message>
    <message>
        <source>Non-US...</source>
        <translation>Non-US...</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Menu (Application)</translation>
    </message>
    <message>
        <source>マウス右クリックと同じ</source>
        <translation>Same as a right mouse click</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>キーパッド =</source>
        <translation>Keypad =</translation>
    </message>
    <message>
        <source>F13</source>
        <translation>F13</translation>
    </message>
    <message>
        <source>F14</source>
        <translation>F14</translation>
    </message>
    <message>
        <source>F15</source>
        <translation>F15</translation>
    </message>
    <message>
        <source>F16</source>
        <translation>F16</translation>
    </message>
    <message>
        <source>F17</source>
        <translation>F17</translation>
    </message>
    <message>
        <source>F18</source>
        <translation>F18</translation>
    </message>
    <message>
        <source>F19</source>
        <translation>F19</translation>
    </message>
    <message>
        <source>F20</source>
        <translation>F20</translation>
    </message>
    <message>
        <source>F21</source>
        <translation>F21</translation>
    </message>
    <message>
        <source>F22</source>
        <translation>F22</translation>
    </message>
    <message>
        <source>F23</source>
        <translation>F23</translation>
    </message>
    <message>
        <source>F24</source>
        <translation>F24</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Again</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Volume Up</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Volume Down</translation>
    </message>
    <message>
        <source>Locking Caps Lock</source>
        <translation>Locking Caps Lock</translation>
    </message>
    <message>
        <source>Locking Num Lock</source>
        <translation>Locking Num Lock</translation>
    </message>
    <message>
        <source>Locking Scroll Lock</source>
        <translation>Locking Scroll Lock</translation>
    </message>
    <message>
        <source>キーパッド Comma</source>
        <translation>Keypad Comma</translation>
    </message>
    <message>
        <source>キーパッド Equal Sign</source>
        <translation>Keypad Equal Sign</translation>
    </message>
    <message>
        <source>Keyboard International 1</source>
        <translation>Keyboard International 1</translation>
    </message>
    <message>
        <source>Keyboard International 2</source>
        <translation>Keyboard International 2</translation>
    </message>
    <message>
        <source>Keyboard International 3</source>
        <translation>Keyboard International 3</translation>
    </message>
    <message>
        <source>Keyboard International 4</source>
        <translation>Keyboard International 4</translation>
    </message>
    <message>
        <source>Keyboard International 5</source>
        <translation>Keyboard International 5</translation>
    </message>
    <message>
        <source>Keyboard International 6</source>
        <translation>Keyboard International 6</translation>
    </message>
    <message>
        <source>Keyboard International 7</source>
        <translation>Keyboard International 7</translation>
    </message>
    <message>
        <source>Keyboard International 8</source>
        <translation>Keyboard International 8</translation>
    </message>
    <message>
        <source>Keyboard International 9</source>
        <translation>Keyboard International 9</translation>
    </message>
    <message>
        <source>かな</source>
        <translation>Kana</translation>
    </message>
    <message>
        <source>英数</source>
        <translation>Eisu (alphanumeric)</translation>
    </message>
    <message>
        <source>Keyboard LANG 3</source>
        <translation>Keyboard LANG 3</translation>
    </message>
    <message>
        <source>Keyboard LANG 4</source>
        <translation>Keyboard LANG 4</translation>
    </message>
    <message>
        <source>Keyboard LANG 5</source>
        <translation>Keyboard LANG 5</translation>
    </message>
    <message>
        <source>Keyboard LANG 6</source>
        <translation>Keyboard LANG 6</translation>
    </message>
    <message>
        <source>Keyboard LANG 7</source>
        <translation>Keyboard LANG 7</translation>
    </message>
    <message>
        <source>Keyboard LANG 8</source>
        <translation>Keyboard LANG 8</translation>
    </message>
    <message>
        <source>Keyboard LANG 9</source>
        <translation>Keyboard LANG 9</translation>
    </message>
    <message>
        <source>Alternate Erase</source>
        <translation>Alternate Erase</translation>
    </message>
    <message>
        <source>SysReq/Attention</source>
        <translation>SysReq/Attention</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Prior</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Out</translation>
    </message>
    <message>
        <source>Oper</source>
        <translation>Oper</translation>
    </message>
    <message>
        <source>Clear/Again</source>
        <translation>Clear/Again</translation>
    </message>
    <message>
        <source>CrSel/Props</source>
        <translation>CrSel/Props</translation>
    </message>
    <message>
        <source>ExSel</source>
        <translation>ExSel</translation>
    </message>
    <message>
        <source>---</source>
        <translation>---</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>キーパッド 00</source>
        <translation>Keypad 00</translation>
    </message>
    <message>
        <source>キーパッド 000</source>
        <translation>Keypad 000</translation>
    </message>
    <message>
        <source>Thousands Separator</source>
        <translation>Thousands Separator</translation>
    </message>
    <message>
        <source>Decimal Separator</source>
        <translation>Decimal Separator</translation>
    </message>
    <message>
        <source>Currency Unit</source>
        <translation>Currency Unit</translation>
    </message>
    <message>
        <source>Currency Sub-unit</source>
        <translation>Currency Sub-unit</translation>
    </message>
    <message>
        <source>キーパッド (</source>
        <translation>Keypad (</translation>
    </message>
    <message>
        <source>キーパッド )</source>
        <translation>Keypad )</translation>
    </message>
    <message>
        <source>キーパッド {</source>
        <translation>Keypad {</translation>
    </message>
    <message>
        <source>キーパッド }</source>
        <translation>Keypad }</translation>
    </message>
    <message>
        <source>キーパッド Tab</source>
        <translation>Keypad Tab</translation>
    </message>
    <message>
        <source>キーパッド Back Space</source>
        <translation>Keypad Backspace</translation>
    </message>
    <message>
        <source>キーパッド A</source>
        <translation>Keypad A</translation>
    </message>
    <message>
        <source>キーパッド B</source>
        <translation>Keypad B</translation>
    </message>
    <message>
        <source>キーパッド C</source>
        <translation>Keypad C</translation>
    </message>
    <message>
        <source>キーパッド D</source>
        <translation>Keypad D</translation>
    </message>
    <message>
        <source>キーパッド E</source>
        <translation>Keypad E</translation>
    </message>
    <message>
        <source>キーパッド F</source>
        <translation>Keypad F</translation>
    </message>
    <message>
        <source>キーパッド XOR</source>
        <translation>Keypad XOR</translation>
    </message>
    <message>
        <source>キーパッド ^</source>
        <translation>Keypad ^</translation>
    </message>
    <message>
        <source>キーパッド %</source>
        <translation>Keypad %</translation>
    </message>
    <message>
        <source>キーパッド &lt;</source>
        <translation>Keypad &lt;</translation>
    </message>
    <message>
        <source>キーパッド &gt;</source>
        <translation>Keypad &gt;</translation>
    </message>
    <message>
        <source>キーパッド &amp;</source>
        <translation>Keypad &amp;</translation>
    </message>
    <message>
        <source>キーパッド &amp;&amp;</source>
        <translation>Keypad &amp;&amp;</translation>
    </message>
    <message>
        <source>キーパッド |</source>
        <translation>Keypad |</translation>
    </message>
    <message>
        <source>キーパッド ||</source>
        <translation>Keypad ||</translation>
    </message>
    <message>
        <source>キーパッド :</source>
        <translation>Keypad :</translation>
    </message>
    <message>
        <source>キーパッド #</source>
        <translation>Keypad #</translation>
    </message>
    <message>
        <source>キーパッド Space</source>
        <translation>Keypad Space</translation>
    </message>
    <message>
        <source>キーパッド @</source>
        <translation>Keypad @</translation>
    </message>
    <message>
        <source>キーパッド !</source>
        <translation>Keypad !</translation>
    </message>
    <message>
        <source>キーパッド Memory Store</source>
        <translation>Keypad Memory Store</translation>
    </message>
    <message>
        <source>キーパッド Memory Recall</source>
        <translation>Keypad Memory Recall</translation>
    </message>
    <message>
        <source>キーパッド Memory Clear</source>
        <translation>Keypad Memory Clear</translation>
    </message>
    <message>
        <source>キーパッド Memory Add</source>
        <translation>Keypad Memory Add</translation>
    </message>
    <message>
        <source>キーパッド Memory Subtract</source>
        <translation>Keypad Memory Subtract</translation>
    </message>
    <message>
        <source>キーパッド Memory Multiply</source>
        <translation>Keypad Memory Multiply</translation>
    </message>
    <message>
        <source>キーパッド Memory Divide</source>
        <translation>Keypad Memory Divide</translation>
    </message>
    <message>
        <source>キーパッド +/-</source>
        <translation>Keypad +/-</translation>
    </message>
    <message>
        <source>キーパッド Clear</source>
        <translation>Keypad Clear</translation>
    </message>
    <message>
        <source>キーパッド Clear Entry</source>
        <translation>Keypad Clear Entry</translation>
    </message>
    <message>
        <source>キーパッド Binary</source>
        <translation>Keypad Binary</translation>
    </message>
    <message>
        <source>キーパッド Octal</source>
        <translation>Keypad Octal</translation>
    </message>
    <message>
        <source>キーパッド Decimal</source>
        <translation>Keypad Decimal</translation>
    </message>
    <message>
        <source>キーパッド Hexadecimal</source>
        <translation>Keypad Hexadecimal</translation>
    </message>
    <message>
        <source>(左)Control</source>
        <translation>Left Ctrl</translation>
    </message>
    <message>
        <source>(左)Shift</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>(左)Alt</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>(左)Commandキー(GUI)</source>
        <translation>Left Super</translation>
    </message>
    <message>
        <source>右Control</source>
        <translation>Right Ctrl</translation>
    </message>
    <message>
        <source>右Shift</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>右Alt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>右Commandキー(GUI)</source>
        <translation>Right Super</translation>
    </message>
</context>
<context>
    <name>KeyOutputTab</name>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>出力</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>キーだけ（モディファイアなし）</source>
        <translation>Key only (no modifiers)</translation>
    </message>
    <message>
        <source>キーとモディファイア</source>
        <translation>Key and modifiers</translation>
    </message>
    <message>
        <source>モディファイアだけ（キーなし）</source>
        <translation>Modifiers only (no key)</translation>
    </message>
    <message>
        <source>モディファイア</source>
        <translation>Modifiers</translation>
    </message>
    <message>
        <source>左 Ctrl</source>
        <translation>Left Ctrl</translation>
    </message>
    <message>
        <source>左 Shift</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>左 Alt</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>左 Windows / Super</source>
        <translation>Left Super (Windows)</translation>
    </message>
    <message>
        <source>右 Ctrl</source>
        <translation>Right Ctrl</translation>
    </message>
    <message>
        <source>右 Shift</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>右 Alt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>右 Windows / Super</source>
        <translation>Right Super (Windows)</translation>
    </message>
</context>
<context>
    <name>MainWindowViewController</name>
    <message>
        <source>Oremba Tarvik</source>
        <translation>Oremba Tarvik</translation>
    </message>
</context>
<context>
    <name>MessageBoxPresenter</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PedalName</name>
    <message>
        <source>中央ペダル</source>
        <translation>Center pedal</translation>
    </message>
    <message>
        <source>左ペダル</source>
        <translation>Left pedal</translation>
    </message>
    <message>
        <source>右ペダル</source>
        <translation>Right pedal</translation>
    </message>
    <message>
        <source>左端ペダル</source>
        <translation>Far-left pedal</translation>
    </message>
    <message>
        <source>右端ペダル</source>
        <translation>Far-right pedal</translation>
    </message>
    <message>
        <source>ペダル</source>
        <translation>Pedal</translation>
    </message>
</context>
<context>
    <name>PointerMoveTab</name>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Up-left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Up-right</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Down-left</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Down-right</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>速度を増減</source>
        <translation>Change the speed</translation>
    </message>
    <message>
        <source>ドット/秒</source>
        <translation>dots/s</translation>
    </message>
    <message>
        <source>加速する</source>
        <translation>Accelerate</translation>
    </message>
    <message>
        <source>加速度</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>加速度を増減</source>
        <translation>Change the acceleration</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>ペダルを離すまで</source>
        <translation>Until the pedal is released</translation>
    </message>
    <message>
        <source>回数を指定</source>
        <translation>A number of times</translation>
    </message>
    <message>
        <source>繰り返し数</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source>繰り返し数を増減</source>
        <translation>Change the repeats</translation>
    </message>
    <message>
        <source>回</source>
        <translation>times</translation>
    </message>
</context>
<context>
    <name>SettingDialogViewController</name>
    <message>
        <source>キーボード(&amp;K)</source>
        <translation>&amp;Keyboard</translation>
    </message>
    <message>
        <source>control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>option</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>キー(&amp;Y)</source>
        <translation>Ke&amp;y</translation>
    </message>
    <message>
        <source>マウス(&amp;M)</source>
        <translation>&amp;Mouse</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>送信エラー</source>
        <translation>Send error</translation>
    </message>
    <message>
        <source>タイムアウト</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>このバージョンは対応しておりません</source>
        <translation>This version is not supported</translation>
    </message>
    <message>
        <source>Tarvikを接続して下さい。Tarvikは自動的に認識されます。<byte value="xd"/>Tarvikの設定を行わない場合、このプログラムを終了して下さい。</source>
        <translation>Please connect the Tarvik. It is recognised automatically.<byte value="xd"/>If you do not want to set up the Tarvik, please quit this program.</translation>
    </message>
    <message>
        <source>Tarvikの現在の設定が下に表示されています。<byte value="xd"/>設定を変更する場合、設定したいペダルに対応するボタンをクリックしてTarvikの出力を設定して下さい。</source>
        <translation>The current settings of the Tarvik are shown below.<byte value="xd"/>To change a setting, click the button of the pedal you want to set and set the output of the Tarvik.</translation>
    </message>
    <message>
        <source>このTarvikの設定を工場出荷状態に戻します．よろしいですか？<byte value="xd"/>
工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．</source>
        <translation>This returns the settings of this Tarvik to the factory state. Are you sure?<byte value="xd"/>
Click [OK] to return to the factory state, or [Cancel] to do nothing.</translation>
    </message>
    <message>
        <source>エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。</source>
        <translation>An error occurred.<byte value="xd"/>
The settings of this Tarvik could not be returned to the factory state.</translation>
    </message>
    <message>
        <source>キャンセルしました</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Tarvikの%1の設定が正常に終わりました。</source>
        <translation>Tarvik: %1 was set successfully.</translation>
    </message>
    <message>
        <source>クイックスタートガイドは、下記からダウンロードすることができます。<byte value="xd"/>
</source>
        <translation>The quick start guide can be downloaded from:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Oremba Tarvik Macアプリ<byte value="xd"/>
バージョン: </source>
        <translation>Oremba Tarvik app<byte value="xd"/>
Version: </translation>
    </message>
    <message>
        <source>%1の設定（標準）</source>
        <translation>%1 settings (standard)</translation>
    </message>
    <message>
        <source>%1の設定（高度）</source>
        <translation>%1 settings (advanced)</translation>
    </message>
    <message>
        <source>%1の設定内容</source>
        <translation>%1 setting</translation>
    </message>
    <message>
        <source>標準設定</source>
        <translation>Standard setting</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>control, shift, option, command なし</source>
        <translation>Without Ctrl, Shift, Alt, Super</translation>
    </message>
    <message>
        <source>control, shift, option, command あり</source>
        <translation>With Ctrl, Shift, Alt, Super</translation>
    </message>
    <message>
        <source>control, shift, option, command だけ</source>
        <translation>Only Ctrl, Shift, Alt, Super</translation>
    </message>
    <message>
        <source>Tarvikに書き込む</source>
        <translation>Write to the Tarvik</translation>
    </message>
    <message>
        <source>左ボタンクリック</source>
        <translation>Left button click</translation>
    </message>
    <message>
        <source>右ボタンクリック</source>
        <translation>Right button click</translation>
    </message>
    <message>
        <source>中央ボタンクリック</source>
        <translation>Middle button click</translation>
    </message>
    <message>
        <source>ダブルクリック</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>このペダルに設定されている内容は，標準設定の範囲を超えています．<byte value="xd"/>
標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] をクリックして下さい．</source>
        <translation>The setting of this pedal is beyond the standard setting.<byte value="xd"/>
Click [OK] to set it within the standard, or [Cancel] to go back to the main window without doing anything.</translation>
    </message>
    <message>
        <source>Tarvikが接続されていますが、アクセス権がないため開くことができません。<byte value="xd"/>udevルール %1 は導入済みです。Tarvikを挿し直して下さい（README「udev rule」参照）。</source>
        <translation>A Tarvik is connected, but it cannot be opened: access is denied.<byte value="xd"/>The udev rule %1 is installed. Please plug the Tarvik in again (see README, &quot;udev rule&quot;).</translation>
    </message>
    <message>
        <source>Tarvikが接続されていますが、アクセス権がないため開くことができません。<byte value="xd"/>udevルール %1 を /etc/udev/rules.d/ にコピーし（README「udev rule」参照）、Tarvikを挿し直して下さい。</source>
        <translation>A Tarvik is connected, but it cannot be opened: access is denied.<byte value="xd"/>Please copy the udev rule %1 to /etc/udev/rules.d/ (see README, &quot;udev rule&quot;) and plug the Tarvik in again.</translation>
    </message>
    <message>
        <source>Tarvikが接続されていますが、アクセス権がないため開くことができません。<byte value="xd"/>udevルール 70-tarvik.rules を導入し（README「udev rule」参照）、Tarvikを挿し直して下さい。</source>
        <translation>A Tarvik is connected, but it cannot be opened: access is denied.<byte value="xd"/>Please install the udev rule 70-tarvik.rules (see README, &quot;udev rule&quot;) and plug the Tarvik in again.</translation>
    </message>
    <message>
        <source>Tarvikの%1に書き込んだ設定を読み出して確かめたところ、書き込んだ内容と違っていました。<byte value="xd"/>
Tarvikに記憶されている設定は次の通りです。<byte value="xd"/>
%2</source>
        <translation>The setting written to %1 of the Tarvik was read back and differs from what was written.<byte value="xd"/>
The Tarvik holds this setting:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>高度な設定を使うには、「Tarvik」メニューの「高度な設定を使う」をオンにして下さい。</source>
        <translation>To use the advanced settings, turn on &quot;Use advanced settings&quot; in the &quot;Tarvik&quot; menu.</translation>
    </message>
    <message>
        <source>高度な設定を使う(&amp;A)</source>
        <translation>Use &amp;advanced settings</translation>
    </message>
</context>
<context>
    <name>WriteMark</name>
    <message>
        <source>%1: cannot make the folder</source>
        <translation>%1: cannot make the folder</translation>
    </message>
</context>
<context>
    <name>tarvik::AdvancedSettingDialogViewController</name>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tarvik::MainWindowViewController</name>
    <message>
        <source>設定ファイル (*.json)</source>
        <translation>Settings files (*.json)</translation>
    </message>
    <message>
        <source>設定を書き出す</source>
        <translation>Export settings</translation>
    </message>
    <message>
        <source>設定を読み込む</source>
        <translation>Import settings</translation>
    </message>
    <message>
        <source>%1ペダル、ファームウェア %2.%3.%4</source>
        <translation>%1 pedals, firmware %2.%3.%4</translation>
    </message>
    <message>
        <source>Tarvikは他のプログラム（%1、プロセスID %2）が使用中です。<byte value="xd"/>
そのプログラムが終わってから、もう一度お試し下さい。</source>
        <translation>The Tarvik is in use by another program (%1, process ID %2).<byte value="xd"/>
Please try again when that program has finished.</translation>
    </message>
    <message>
        <source>名前不明</source>
        <translation>unknown name</translation>
    </message>
    <message>
        <source>Tarvikは他のプログラムが使用中です。<byte value="xd"/>
そのプログラムが終わってから、もう一度お試し下さい。</source>
        <translation>The Tarvik is in use by another program.<byte value="xd"/>
Please try again when that program has finished.</translation>
    </message>
    <message>
        <source>ユニットのファイルを読めません：%1</source>
        <translation>Cannot read the unit file: %1</translation>
    </message>
    <message>
        <source>シミュレーションのユニットのファイルに保存できませんでした：%1</source>
        <translation>Could not save to the simulated unit file: %1</translation>
    </message>
    <message>
        <source>  シリアル番号 %1</source>
        <translation>  serial number %1</translation>
    </message>
    <message>
        <source>（Tarvikが接続されていません）</source>
        <translation>(no Tarvik connected)</translation>
    </message>
    <message>
        <source>書き出す設定がありません。Tarvikを接続して下さい。</source>
        <translation>There are no settings to export. Please connect the Tarvik.</translation>
    </message>
    <message>
        <source>設定を書き出せませんでした：%1</source>
        <translation>Could not export the settings: %1</translation>
    </message>
    <message>
        <source>設定を %1 に書き出しました。</source>
        <translation>The settings were exported to %1.</translation>
    </message>
    <message>
        <source>設定を読み込むTarvikがありません。Tarvikを接続して下さい。</source>
        <translation>There is no Tarvik to import the settings into. Please connect the Tarvik.</translation>
    </message>
    <message>
        <source>設定を読み込めませんでした：%1</source>
        <translation>Could not import the settings: %1</translation>
    </message>
    <message>
        <source>このファイルは%1ペダルのユニットの設定です。このTarvikは%2ペダルです。何も書き込みませんでした。</source>
        <translation>This file holds the settings of a unit with %1 pedals; this Tarvik has %2 pedals. Nothing was written.</translation>
    </message>
    <message>
        <source>書き込む設定はありません：Tarvikはすでにこのファイルの設定です。</source>
        <translation>Nothing to write: the Tarvik already holds the settings of this file.</translation>
    </message>
    <message>
        <source>次のペダルの設定がTarvikと異なります。書き込みますか？<byte value="xd"/>
%1</source>
        <translation>These pedals are set differently in the Tarvik. Write them?<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
次のペダルは複数の同時キー出力を含むため書き込めません：%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
These pedals hold several keys at once and cannot be written: %1</translation>
    </message>
    <message>
        <source>次のペダルは書き込んだ設定と異なる設定を読み返しました：%1</source>
        <translation>These pedals read back a setting other than the one written: %1</translation>
    </message>
    <message>
        <source>%1個のペダルの設定を書き込み、読み返して確かめました。</source>
        <translation>The settings of %1 pedals were written, read back and confirmed.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
次のペダルの設定（複数の同時キー出力）は、工場出荷状態に戻すと元に戻せません：%1</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
The settings of these pedals (several keys at once) cannot be brought back after a factory reset: %1</translation>
    </message>
    <message>
        <source>次のペダルの設定は、工場出荷状態に戻すと元に戻せません：%1<byte value="xd"/>
先に設定をファイルに書き出しますか？</source>
        <translation>The settings of these pedals cannot be brought back after a factory reset: %1<byte value="xd"/>
Export the settings to a file first?</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>tarvik::MenuClass</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>工場出荷状態に戻す(&amp;R)…</source>
        <translation>&amp;Reset to factory settings…</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>クイックスタートガイド(&amp;Q)</source>
        <translation>&amp;Quick start guide</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>設定を書き出す(&amp;E)…</source>
        <translation>&amp;Export settings…</translation>
    </message>
    <message>
        <source>設定を読み込む(&amp;I)…</source>
        <translation>&amp;Import settings…</translation>
    </message>
    <message>
        <source>ユニットを選ぶ(&amp;U)</source>
        <translation>Choose the &amp;unit</translation>
    </message>
    <message>
        <source>再読み込み(&amp;L)</source>
        <translation>Re&amp;load</translation>
    </message>
    <message>
        <source>Tarvik(&amp;T)</source>
        <translation>&amp;Tarvik</translation>
    </message>
</context>
<context>
    <name>tarvik::SimulationMenu</name>
    <message>
        <source>シミュレーション(&amp;S)</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>Tarvikを接続する(&amp;P)</source>
        <translation>&amp;Plug the Tarvik in</translation>
    </message>
    <message>
        <source>Tarvikを取り外す(&amp;U)</source>
        <translation>&amp;Unplug the Tarvik</translation>
    </message>
    <message>
        <source>%1 を接続する</source>
        <translation>Plug %1 in</translation>
    </message>
    <message>
        <source>%1 を取り外す</source>
        <translation>Unplug %1</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::ButtonRadios</name>
    <message>
        <source>ボタン</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>左ボタン</source>
        <translation>Left button</translation>
    </message>
    <message>
        <source>右ボタン</source>
        <translation>Right button</translation>
    </message>
    <message>
        <source>中央ボタン</source>
        <translation>Middle button</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::ChordTab</name>
    <message>
        <source>オンの時間</source>
        <translation>On time</translation>
    </message>
    <message>
        <source>間の時間</source>
        <translation>Time between</translation>
    </message>
    <message>
        <source>出力ごとに数える</source>
        <translation>Count each output</translation>
    </message>
    <message>
        <source>組ごとに数える</source>
        <translation>Count each series</translation>
    </message>
    <message>
        <source>モディファイア</source>
        <translation>Modifiers</translation>
    </message>
    <message>
        <source>Tarvikにある出力</source>
        <translation>Outputs in the Tarvik</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>繰り返しの単位</source>
        <translation>Repeat unit</translation>
    </message>
    <message>
        <source>同時に押すキー</source>
        <translation>Keys pressed together</translation>
    </message>
    <message>
        <source>キー%1</source>
        <translation>Key %1</translation>
    </message>
    <message>
        <source>このペダルには%1個の出力があります。2番目以降の出力は書き込めないため、書き込むと1番目の出力だけの設定になります。</source>
        <translation>This pedal has %1 outputs. The second and later outputs cannot be written: writing keeps only the first output.</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::ClickTab</name>
    <message>
        <source>同時にクリックするボタンを選んでください。</source>
        <translation>Choose the buttons to click together.</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::KeyOutputTab</name>
    <message>
        <source>モディファイアを1つ以上選んでください。</source>
        <translation>Choose at least one modifier.</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::KeyPicker</name>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::ModifierBoxes</name>
    <message>
        <source>左 Ctrl</source>
        <translation>Left Ctrl</translation>
    </message>
    <message>
        <source>左 Shift</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>左 Alt</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>左 Windows / Super</source>
        <translation>Left Super (Windows)</translation>
    </message>
    <message>
        <source>右 Ctrl</source>
        <translation>Right Ctrl</translation>
    </message>
    <message>
        <source>右 Shift</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>右 Alt</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>右 Windows / Super</source>
        <translation>Right Super (Windows)</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::ModifierClickTab</name>
    <message>
        <source>押しておくモディファイア</source>
        <translation>Modifiers held</translation>
    </message>
    <message>
        <source>クリック</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>ダブルクリック</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>クリックの種類</source>
        <translation>Click type</translation>
    </message>
    <message>
        <source>モディファイアを1つ以上選んでください。</source>
        <translation>Choose at least one modifier.</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::OnChangeTab</name>
    <message>
        <source>ペダルを踏んだ時の出力</source>
        <translation>Output when the pedal is pressed</translation>
    </message>
    <message>
        <source>ペダルを離した時の出力</source>
        <translation>Output when the pedal is released</translation>
    </message>
    <message>
        <source>出力する</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>モディファイア</source>
        <translation>Modifiers</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::RepeatCount</name>
    <message>
        <source>ペダルを離すまで</source>
        <translation>Until the pedal is released</translation>
    </message>
    <message>
        <source>回数を指定</source>
        <translation>A number of times</translation>
    </message>
    <message>
        <source>繰り返し数</source>
        <translation>Repeats</translation>
    </message>
    <message>
        <source> 回</source>
        <translation> times</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::RepeatKeyTab</name>
    <message>
        <source>モディファイア</source>
        <translation>Modifiers</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>キーかモディファイアを選んでください。</source>
        <translation>Choose a key or a modifier.</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::RepetitionBox</name>
    <message>
        <source>速度と繰り返し</source>
        <translation>Speed and repeat</translation>
    </message>
    <message>
        <source>加速する</source>
        <translation>Accelerate</translation>
    </message>
    <message>
        <source>速度</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source> 回/秒</source>
        <translation> per second</translation>
    </message>
    <message>
        <source>加速指標</source>
        <translation>Acceleration index</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>加速</source>
        <translation>Acceleration</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::Stepper</name>
    <message>
        <source>増やす</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>減らす</source>
        <translation>Decrease</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::TimingBox</name>
    <message>
        <source>ダブルクリックのタイミング</source>
        <translation>Double-click timing</translation>
    </message>
    <message>
        <source>１番目のクリックの長さ</source>
        <translation>Length of the first click</translation>
    </message>
    <message>
        <source>クリックの間の長さ</source>
        <translation>Time between the clicks</translation>
    </message>
    <message>
        <source>１番目のクリックと同じ</source>
        <translation>Same as the first click</translation>
    </message>
    <message>
        <source>ペダルを離すまで</source>
        <translation>Until the pedal is released</translation>
    </message>
    <message>
        <source>２番目のクリックの長さ</source>
        <translation>Length of the second click</translation>
    </message>
</context>
<context>
    <name>tarvik::advanced::WheelTab</name>
    <message>
        <source>回転方向</source>
        <translation>Direction of rotation</translation>
    </message>
    <message>
        <source>前方</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>後方</source>
        <translation>Backward</translation>
    </message>
</context>
</TS>
