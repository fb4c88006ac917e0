<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>HotWordTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;设置专属名词&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;点击输入常用热词，词汇之间以换行分隔&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:'Microsoft YaHei UI'; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Your own terms&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Type frequent hot words, one per line&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>确认添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;专属词汇列表&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:'Microsoft YaHei UI'; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Your term list&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>中文(普通话)</source>
        <translation>Chinese (Mandarin)</translation>
    </message>
    <message>
        <source>中文(粤语)</source>
        <translation>Chinese (Cantonese)</translation>
    </message>
    <message>
        <source>中文(四川话)</source>
        <translation>Chinese (Sichuanese)</translation>
    </message>
    <message>
        <source>中文(河南话)</source>
        <translation>Chinese (Henanese)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>English</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>Korean</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>Russian</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>French</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>German</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>越南语</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>印地语</source>
        <translation>Hindi</translation>
    </message>
    <message>
        <source>马来语</source>
        <translation>Malay</translation>
    </message>
    <message>
        <source>印尼语</source>
        <translation>Indonesian</translation>
    </message>
    <message>
        <source>土耳其语</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese</translation>
    </message>
    <message>
        <source>荷兰语</source>
        <translation>Dutch</translation>
    </message>
    <message>
        <source>波兰语</source>
        <translation>Polish</translation>
    </message>
    <message>
        <source>捷克语</source>
        <translation>Czech</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>Traditional Chinese</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>Cantonese</translation>
    </message>
    <message>
        <source>文言文</source>
        <translation>Classical Chinese</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>瑞典语</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <source>丹麦语</source>
        <translation>Danish</translation>
    </message>
    <message>
        <source>芬兰语</source>
        <translation>Finnish</translation>
    </message>
    <message>
        <source>匈牙利语</source>
        <translation>Hungarian</translation>
    </message>
    <message>
        <source>罗马尼亚语</source>
        <translation>Romanian</translation>
    </message>
    <message>
        <source>中英文混合</source>
        <translation>Chinese and English</translation>
    </message>
</context>
<context>
    <name>MKeyTab</name>
    <message>
        <source>飞鼠设置</source>
        <translation>Air Mouse Settings</translation>
    </message>
    <message>
        <source>常用功能

自定义设置常用功能，双击「 飞鼠键 」轮循切换

</source>
        <translation>Favorite Functions

Choose your favorite functions; double-click the &quot;Air Mouse&quot; key to cycle through them

</translation>
    </message>
    <message>
        <source>飞鼠设置

长按「飞鼠键 」使用以下选择的功能

</source>
        <translation>Air Mouse Settings

Press and hold the &quot;Air Mouse&quot; key to use the function selected below

</translation>
    </message>
</context>
<context>
    <name>MirelMouseHelpTab</name>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>MirelTypingTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音打字&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置语音打字的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:'Microsoft YaHei UI'; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Voice typing&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置Voice typing的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>Personalisation</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;取词翻译&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;选中带翻译的文字后点击弹出的翻译图标，即可完成取词翻译 &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:'Microsoft YaHei UI'; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Word-pick translation&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;选中带翻译的文字后点击弹出的翻译图标，即可完成Word-pick translation &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>Translate to</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音翻译&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置语音翻译的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:'Microsoft YaHei UI'; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Voice translation&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置Voice translation的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;语音输入模式&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;「按下/松开语音键」开始/结束语音输入、「双击语音键」切换模式&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:'Microsoft YaHei UI'; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Voice input mode&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Press/release the voice key to start/stop voice input; double-click it to switch modes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>模式一 语音输入</source>
        <translation>Mode 1 Voice typing</translation>
    </message>
    <message>
        <source>模式二 语音翻译</source>
        <translation>Mode 2 Voice translation</translation>
    </message>
    <message>
        <source>模式三 语音助手</source>
        <translation>Mode 3 Voice assistant</translation>
    </message>
</context>
<context>
    <name>NavForm</name>
    <message>
        <source>用户: 未登录</source>
        <translation>User: Not logged in</translation>
    </message>
    <message>
        <source>全球通版 2022-04-30</source>
        <translation>Global Edition 2022-04-30</translation>
    </message>
    <message>
        <source>续费</source>
        <translation>Renew</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ScreenShotButtons</name>
    <message>
        <source>退出截图 (Esc)</source>
        <translation>Exit screenshot (Esc)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>Copy to clipboard</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>识别并翻译 (Enter)</source>
        <translation>Recognize and translate (Enter)</translation>
    </message>
    <message>
        <source>翻译</source>
        <translation>Translate</translation>
    </message>
</context>
<context>
    <name>TMouse</name>
    <message>
        <source>语音鼠标</source>
        <translation>Voice Mouse</translation>
    </message>
    <message>
        <source>AI语音鼠标</source>
        <translation>AI Voice Mouse</translation>
    </message>
</context>
<context>
    <name>TMsg</name>
    <message>
        <source>AIUI语音识别未配置</source>
        <translation>AIUI speech recognition is not configured</translation>
    </message>
    <message>
        <source>语音识别服务连接失败：%1</source>
        <translation>Could not connect to the speech recognition service: %1</translation>
    </message>
    <message>
        <source>语音识别服务断开了连接</source>
        <translation>The speech recognition service closed the connection</translation>
    </message>
    <message>
        <source>中转服务语音识别</source>
        <translation>Relay service speech recognition</translation>
    </message>
    <message>
        <source>语音中转服务未配置</source>
        <translation>The speech relay service is not configured</translation>
    </message>
    <message>
        <source>讯飞语音听写</source>
        <translation>iFlytek voice dictation</translation>
    </message>
    <message>
        <source>讯飞语音听写未配置</source>
        <translation>iFlytek voice dictation is not configured</translation>
    </message>
    <message>
        <source>请求失败 (%1)</source>
        <translation>Request failed (%1)</translation>
    </message>
    <message>
        <source>验证码短信已发出!</source>
        <translation>Verification code sent by SMS!</translation>
    </message>
    <message>
        <source>验证码邮件已发出!</source>
        <translation>Verification code sent by email!</translation>
    </message>
    <message>
        <source>登录失败:</source>
        <translation>Login failed:</translation>
    </message>
    <message>
        <source>服务器返回的用户信息无效</source>
        <translation>The server returned invalid user information</translation>
    </message>
    <message>
        <source>登录成功!</source>
        <translation>Logged in!</translation>
    </message>
    <message>
        <source>注册失败:</source>
        <translation>Registration failed:</translation>
    </message>
    <message>
        <source>注册成功!</source>
        <translation>Registration successful!</translation>
    </message>
    <message>
        <source>密码重置成功!</source>
        <translation>Password reset successful!</translation>
    </message>
    <message>
        <source>密码重置失败:</source>
        <translation>Password reset failed:</translation>
    </message>
    <message>
        <source>没有可用的麦克风</source>
        <translation>No microphone available</translation>
    </message>
    <message>
        <source>麦克风无法打开</source>
        <translation>Could not open the microphone</translation>
    </message>
    <message>
        <source>无法读取文件: %1</source>
        <translation>Could not read file: %1</translation>
    </message>
    <message>
        <source>服务器地址未配置 (%1)</source>
        <translation>Server address not configured (%1)</translation>
    </message>
    <message>
        <source>服务器地址无效: %1</source>
        <translation>Invalid server address: %1</translation>
    </message>
    <message>
        <source>请求超时, 服务器在%1秒内没有响应</source>
        <translation>Request timed out: the server did not respond within %1 seconds</translation>
    </message>
    <message>
        <source>网络连接失败: %1</source>
        <translation>Network connection failed: %1</translation>
    </message>
    <message>
        <source>服务器错误 (HTTP %1)</source>
        <translation>Server error (HTTP %1)</translation>
    </message>
    <message>
        <source>服务器返回的数据无效</source>
        <translation>The server returned invalid data</translation>
    </message>
    <message>
        <source>连接邮件服务器失败!</source>
        <translation>Could not connect to the mail server!</translation>
    </message>
    <message>
        <source>邮件服务器验证失败!</source>
        <translation>Mail server authentication failed!</translation>
    </message>
    <message>
        <source>邮件发送失败!</source>
        <translation>Could not send the email!</translation>
    </message>
    <message>
        <source>邮件发送成功!</source>
        <translation>Email sent!</translation>
    </message>
</context>
<context>
    <name>TNotify</name>
    <message>
        <source>程序已经在运行中!</source>
        <translation>The program is already running!</translation>
    </message>
    <message>
        <source>创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!</source>
        <translation>Could not create or write a file. Please change the file permissions or install the program on a non-system drive!</translation>
    </message>
    <message>
        <source>导入数据的实际类型为%1, 和预期类型%2不匹配</source>
        <translation>The imported data is of type %1, which does not match the expected type %2</translation>
    </message>
    <message>
        <source>没有可切换的常用功能, 请先在M键设置中选择常用功能!</source>
        <translation>No favorite functions to switch between. Please choose favorite functions in M Key Settings first!</translation>
    </message>
    <message>
        <source>翻译语言不支持%1,设置会导致翻译无法生效!</source>
        <translation>Translation does not support %1; with this setting translation will not work!</translation>
    </message>
    <message>
        <source>无法创建录音文件夹：%1</source>
        <translation>Could not create the recordings folder: %1</translation>
    </message>
    <message>
        <source>无法写入录音文件</source>
        <translation>Could not write the recording file</translation>
    </message>
    <message>
        <source>录音保存失败</source>
        <translation>Could not save the recording</translation>
    </message>
    <message>
        <source>当前功能：%1</source>
        <translation>Current function: %1</translation>
    </message>
    <message>
        <source>未设置自定义快捷键</source>
        <translation>No custom shortcut set</translation>
    </message>
    <message>
        <source>搜索引擎地址无效</source>
        <translation>Invalid search engine address</translation>
    </message>
    <message>
        <source>未设置网页地址</source>
        <translation>No web address set</translation>
    </message>
    <message>
        <source>无法打开网页：%1</source>
        <translation>Could not open the web page: %1</translation>
    </message>
    <message>
        <source>请输入手机号或者邮箱号</source>
        <translation>Please enter a mobile number or email address</translation>
    </message>
    <message>
        <source>账号，密码或验证码无效!</source>
        <translation>Invalid account, password or verification code!</translation>
    </message>
    <message>
        <source>请输入有效的手机号或者邮箱</source>
        <translation>Please enter a valid mobile number or email address</translation>
    </message>
    <message>
        <source>没有找到蓝牙适配器, 无法搜索蓝牙设备!</source>
        <translation>No Bluetooth adapter found, so Bluetooth devices cannot be searched for!</translation>
    </message>
    <message>
        <source>正在搜索蓝牙设备...</source>
        <translation>Searching for Bluetooth devices...</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>Could not open: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>Translation failed: %1</translation>
    </message>
    <message>
        <source>百度翻译未配置</source>
        <translation>Baidu Translate is not configured</translation>
    </message>
    <message>
        <source>没有要翻译的文本</source>
        <translation>No text to translate</translation>
    </message>
    <message>
        <source>翻译结果为空</source>
        <translation>The translation is empty</translation>
    </message>
    <message>
        <source>语音合成服务未配置</source>
        <translation>The speech synthesis service is not configured</translation>
    </message>
    <message>
        <source>没有播报的文本</source>
        <translation>No text to read aloud</translation>
    </message>
    <message>
        <source>语音合成结果为空</source>
        <translation>Speech synthesis returned no audio</translation>
    </message>
    <message>
        <source>没有可用的扬声器</source>
        <translation>No speaker available</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>Playback failed</translation>
    </message>
    <message>
        <source>快捷键需要包含 Ctrl、Alt 或 Win 键</source>
        <translation>A shortcut must include Ctrl, Alt or Win</translation>
    </message>
    <message>
        <source>截屏失败</source>
        <translation>Screenshot failed</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copied</translation>
    </message>
    <message>
        <source>已有下载任务</source>
        <translation>A download is already in progress</translation>
    </message>
    <message>
        <source>检查更新失败: %1</source>
        <translation>Could not check for updates: %1</translation>
    </message>
    <message>
        <source>当前版本已经是最新的，不需要更新</source>
        <translation>You already have the latest version</translation>
    </message>
    <message>
        <source>下载地址为空!</source>
        <translation>The download address is empty!</translation>
    </message>
    <message>
        <source>下载已终止</source>
        <translation>Download stopped</translation>
    </message>
    <message>
        <source>是否要退出登录?</source>
        <translation>Do you want to log out?</translation>
    </message>
    <message>
        <source>请在文本框中填入热词，一行一条热词，按回车换行!</source>
        <translation>Type hot words in the text box, one per line (press Enter for a new line)!</translation>
    </message>
    <message>
        <source>没有选中数据!!</source>
        <translation>Nothing is selected!</translation>
    </message>
    <message>
        <source>无热词数据!</source>
        <translation>There are no hot words!</translation>
    </message>
    <message>
        <source>导出成功!!</source>
        <translation>Exported!</translation>
    </message>
    <message>
        <source>导出失败!!</source>
        <translation>Export failed!</translation>
    </message>
    <message>
        <source>导入文件无效或不含热词, 没有导入任何热词!</source>
        <translation>The file is invalid or holds no hot words; nothing was imported!</translation>
    </message>
    <message>
        <source>开启划词翻译</source>
        <translation>Word-pick translation on</translation>
    </message>
    <message>
        <source>关闭划词翻译</source>
        <translation>Word-pick translation off</translation>
    </message>
</context>
<context>
    <name>TPointer</name>
    <message>
        <source>翻页笔</source>
        <translation>Presenter</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>Digital Laser</translation>
    </message>
</context>
<context>
    <name>TUI</name>
    <message>
        <source>软件设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>Technical Support</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>About Us</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>共%1条</source>
        <translation>%1 items</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>No device</translation>
    </message>
    <message>
        <source> 设备信息</source>
        <translation> Device Info</translation>
    </message>
    <message>
        <source> 语音打字</source>
        <translation> Voice Typing</translation>
    </message>
    <message>
        <source> 语音搜索</source>
        <translation> Voice Search</translation>
    </message>
    <message>
        <source> 文本翻译</source>
        <translation> Text Translation</translation>
    </message>
    <message>
        <source> M键设置</source>
        <translation> M Key Settings</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>My native language</translation>
    </message>
    <message>
        <source>输出模式</source>
        <translation>Output mode</translation>
    </message>
    <message>
        <source>兼容模式</source>
        <translation>Compatibility mode</translation>
    </message>
    <message>
        <source>动态模式</source>
        <translation>Dynamic mode</translation>
    </message>
    <message>
        <source>浮框模式</source>
        <translation>Floating window mode</translation>
    </message>
    <message>
        <source>智能标点</source>
        <translation>Smart punctuation</translation>
    </message>
    <message>
        <source>智能标点描述</source>
        <translation>Adds punctuation automatically as you speak</translation>
    </message>
    <message>
        <source> AI智适应</source>
        <translation> AI Adaptation</translation>
    </message>
    <message>
        <source> 语言设置</source>
        <translation> Language Settings</translation>
    </message>
    <message>
        <source> 热词搜索</source>
        <translation> Hot Words</translation>
    </message>
    <message>
        <source> 自定义指令</source>
        <translation> Custom Commands</translation>
    </message>
    <message>
        <source> 使用帮助</source>
        <translation> Help</translation>
    </message>
    <message>
        <source> 智能录音</source>
        <translation> Smart Recording</translation>
    </message>
    <message>
        <source> 演讲字幕</source>
        <translation> Live Captions</translation>
    </message>
    <message>
        <source> 飞鼠设置</source>
        <translation> Air Mouse Settings</translation>
    </message>
    <message>
        <source> 录音记录</source>
        <translation> Recordings</translation>
    </message>
    <message>
        <source>飞鼠</source>
        <translation>Air Mouse</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>Digital Laser</translation>
    </message>
    <message>
        <source>调整大小</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>小</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>中</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose color</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>放大区域</source>
        <translation>Zoom area</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>Zoom level</translation>
    </message>
    <message>
        <source>光标</source>
        <translation>Cursor</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Voice Typing</translation>
    </message>
    <message>
        <source>翻译打字</source>
        <translation>Translation Typing</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>Screenshot Translation</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>Custom Shortcut</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Voice Search</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Baidu Search</translation>
    </message>
    <message>
        <source>切换窗口</source>
        <translation>Switch Window</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>Open Web Page</translation>
    </message>
    <message>
        <source>程序/文件</source>
        <translation>Program/File</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>网址</source>
        <translation>Web Address</translation>
    </message>
    <message>
        <source>语音搜索: %1</source>
        <translation>Voice search: %1</translation>
    </message>
    <message>
        <source>请说话</source>
        <translation>Speak now</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1h</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1m</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1s</translation>
    </message>
    <message>
        <source>请按下快捷键</source>
        <translation>Press a shortcut</translation>
    </message>
    <message>
        <source>拖动鼠标选择要翻译的区域，Esc 退出</source>
        <translation>Drag to select the area to translate, Esc to exit</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>Download failed: %1</translation>
    </message>
    <message>
        <source>服务器长时间没有响应</source>
        <translation>The server is not responding</translation>
    </message>
    <message>
        <source>文件大小不符 (%1 / %2 字节)</source>
        <translation>File size mismatch (%1 / %2 bytes)</translation>
    </message>
    <message>
        <source>无法保存文件 %1</source>
        <translation>Could not save file %1</translation>
    </message>
    <message>
        <source>&amp;打开</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;退出</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;扫描蓝牙设备</source>
        <translation>&amp;Scan for Bluetooth Devices</translation>
    </message>
    <message>
        <source>&amp;检查更新</source>
        <translation>Check for &amp;Updates</translation>
    </message>
    <message>
        <source>&amp;显示更新进度</source>
        <translation>Show Update &amp;Progress</translation>
    </message>
    <message>
        <source>%1设备接入! </source>
        <translation>%1 connected! </translation>
    </message>
    <message>
        <source>设备拔出或无法连接! </source>
        <translation>Device removed or unreachable! </translation>
    </message>
    <message>
        <source>用户: 未登录</source>
        <translation>User: Not logged in</translation>
    </message>
    <message>
        <source>用户: %1</source>
        <translation>User: %1</translation>
    </message>
    <message>
        <source>请登录</source>
        <translation>Please log in</translation>
    </message>
    <message>
        <source>选择保存的文件</source>
        <translation>Choose the file to save</translation>
    </message>
    <message>
        <source>选择导入的文件</source>
        <translation>Choose the file to import</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>页面不存在: %1</source>
        <translation>Page not found: %1</translation>
    </message>
    <message>
        <source>无法显示网页: 缺少网页组件</source>
        <translation>Cannot show web pages: the web component is missing</translation>
    </message>
</context>
<context>
    <name>TypingTab</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;打字设置&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;按住&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-mic.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;语音键&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;开始说话（ 注：不同设备可能提示不一样）&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Typing Settings&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Hold &lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-mic.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;Voice key&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt; and start speaking (note: prompts may differ between devices)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>Personalization</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;翻译语音打字&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;按住&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;翻译键 &lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;说话，母语会翻译成设置好的语言，实现文字录入&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;Translation Voice Typing&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;Hold &lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;Translate key&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt; and speak; your native language is translated into the chosen language and typed&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>My native language</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>Translate into</translation>
    </message>
</context>
<context>
    <name>WebWithTitleTab</name>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
</context>
</TS>
