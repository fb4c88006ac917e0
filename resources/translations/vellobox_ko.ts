<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;나만의 용어&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;자주 쓰는 핫워드를 한 줄에 하나씩 입력하세요&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>导入</source>
        <translation>가져오기</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>确认添加</source>
        <translation>추가</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;나만의 용어 목록&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>Languages</name>
    <message>
        <source>中文(普通话)</source>
        <translation>중국어(표준어)</translation>
    </message>
    <message>
        <source>中文(粤语)</source>
        <translation>중국어(광둥어)</translation>
    </message>
    <message>
        <source>中文(四川话)</source>
        <translation>중국어(쓰촨어)</translation>
    </message>
    <message>
        <source>中文(河南话)</source>
        <translation>중국어(허난어)</translation>
    </message>
    <message>
        <source>英语</source>
        <translation>영어</translation>
    </message>
    <message>
        <source>日语</source>
        <translation>일본어</translation>
    </message>
    <message>
        <source>韩语</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>俄语</source>
        <translation>러시아어</translation>
    </message>
    <message>
        <source>法语</source>
        <translation>프랑스어</translation>
    </message>
    <message>
        <source>西班牙语</source>
        <translation>스페인어</translation>
    </message>
    <message>
        <source>德语</source>
        <translation>독일어</translation>
    </message>
    <message>
        <source>意大利语</source>
        <translation>이탈리아어</translation>
    </message>
    <message>
        <source>葡萄牙语</source>
        <translation>포르투갈어</translation>
    </message>
    <message>
        <source>阿拉伯语</source>
        <translation>아랍어</translation>
    </message>
    <message>
        <source>泰语</source>
        <translation>태국어</translation>
    </message>
    <message>
        <source>越南语</source>
        <translation>베트남어</translation>
    </message>
    <message>
        <source>印地语</source>
        <translation>힌디어</translation>
    </message>
    <message>
        <source>马来语</source>
        <translation>말레이어</translation>
    </message>
    <message>
        <source>印尼语</source>
        <translation>인도네시아어</translation>
    </message>
    <message>
        <source>土耳其语</source>
        <translation>터키어</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>중국어</translation>
    </message>
    <message>
        <source>荷兰语</source>
        <translation>네덜란드어</translation>
    </message>
    <message>
        <source>波兰语</source>
        <translation>폴란드어</translation>
    </message>
    <message>
        <source>捷克语</source>
        <translation>체코어</translation>
    </message>
    <message>
        <source>自动</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>繁体中文</source>
        <translation>중국어(번체)</translation>
    </message>
    <message>
        <source>粤语</source>
        <translation>광둥어</translation>
    </message>
    <message>
        <source>文言文</source>
        <translation>고전 중국어</translation>
    </message>
    <message>
        <source>希腊语</source>
        <translation>그리스어</translation>
    </message>
    <message>
        <source>瑞典语</source>
        <translation>스웨덴어</translation>
    </message>
    <message>
        <source>丹麦语</source>
        <translation>덴마크어</translation>
    </message>
    <message>
        <source>芬兰语</source>
        <translation>핀란드어</translation>
    </message>
    <message>
        <source>匈牙利语</source>
        <translation>헝가리어</translation>
    </message>
    <message>
        <source>罗马尼亚语</source>
        <translation>루마니아어</translation>
    </message>
    <message>
        <source>中英文混合</source>
        <translation>중국어·영어 혼합</translation>
    </message>
</context>
<context>
    <name>MKeyTab</name>
    <message>
        <source>飞鼠设置</source>
        <translation>에어 마우스 설정</translation>
    </message>
    <message>
        <source>常用功能

自定义设置常用功能，双击「 飞鼠键 」轮循切换

</source>
        <translation>자주 쓰는 기능

자주 쓰는 기능을 직접 고르세요. 「에어 마우스 키」를 두 번 누르면 차례로 전환됩니다

</translation>
    </message>
    <message>
        <source>飞鼠设置

长按「飞鼠键 」使用以下选择的功能

</source>
        <translation>에어 마우스 설정

「에어 마우스 키」를 길게 누르면 아래에서 선택한 기능을 사용합니다

</translation>
    </message>
</context>
<context>
    <name>MirelMouseHelpTab</name>
    <message>
        <source>使用帮助</source>
        <translation>도움말</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 입력&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置음성 입력的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>개인 설정</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;단어 선택 번역&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;选中带翻译的文字后点击弹出的翻译图标，即可完成단어 선택 번역 &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>번역 언어</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 번역&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;可设置음성 번역的相应语言&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 입력 모드&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;음성 키를 누르면/놓으면 음성 입력 시작/종료, 두 번 클릭하면 모드 전환&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>模式一 语音输入</source>
        <translation>모드 1 음성 입력</translation>
    </message>
    <message>
        <source>模式二 语音翻译</source>
        <translation>모드 2 음성 번역</translation>
    </message>
    <message>
        <source>模式三 语音助手</source>
        <translation>모드 3 음성 도우미</translation>
    </message>
</context>
<context>
    <name>NavForm</name>
    <message>
        <source>用户: 未登录</source>
        <translation>사용자: 로그인 안 됨</translation>
    </message>
    <message>
        <source>全球通版 2022-04-30</source>
        <translation>글로벌 버전 2022-04-30</translation>
    </message>
    <message>
        <source>续费</source>
        <translation>갱신</translation>
    </message>
</context>
<context>
    <name>QuestionBox</name>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ScreenShotButtons</name>
    <message>
        <source>退出截图 (Esc)</source>
        <translation>캡처 종료 (Esc)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>클립보드에 복사</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>识别并翻译 (Enter)</source>
        <translation>인식 후 번역 (Enter)</translation>
    </message>
    <message>
        <source>翻译</source>
        <translation>번역</translation>
    </message>
</context>
<context>
    <name>TMouse</name>
    <message>
        <source>语音鼠标</source>
        <translation>음성 마우스</translation>
    </message>
    <message>
        <source>AI语音鼠标</source>
        <translation>AI 음성 마우스</translation>
    </message>
</context>
<context>
    <name>TMsg</name>
    <message>
        <source>AIUI语音识别未配置</source>
        <translation>AIUI 음성 인식이 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>语音识别服务连接失败：%1</source>
        <translation>음성 인식 서비스에 연결하지 못했습니다: %1</translation>
    </message>
    <message>
        <source>语音识别服务断开了连接</source>
        <translation>음성 인식 서비스 연결이 끊어졌습니다</translation>
    </message>
    <message>
        <source>中转服务语音识别</source>
        <translation>중계 서비스 음성 인식</translation>
    </message>
    <message>
        <source>语音中转服务未配置</source>
        <translation>음성 중계 서비스가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>讯飞语音听写</source>
        <translation>iFlytek 음성 받아쓰기</translation>
    </message>
    <message>
        <source>讯飞语音听写未配置</source>
        <translation>iFlytek 음성 받아쓰기가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>请求失败 (%1)</source>
        <translation>요청 실패 (%1)</translation>
    </message>
    <message>
        <source>验证码短信已发出!</source>
        <translation>인증 코드 문자를 보냈습니다!</translation>
    </message>
    <message>
        <source>验证码邮件已发出!</source>
        <translation>인증 코드 메일을 보냈습니다!</translation>
    </message>
    <message>
        <source>登录失败:</source>
        <translation>로그인 실패:</translation>
    </message>
    <message>
        <source>服务器返回的用户信息无效</source>
        <translation>서버가 잘못된 사용자 정보를 반환했습니다</translation>
    </message>
    <message>
        <source>登录成功!</source>
        <translation>로그인되었습니다!</translation>
    </message>
    <message>
        <source>注册失败:</source>
        <translation>가입 실패:</translation>
    </message>
    <message>
        <source>注册成功!</source>
        <translation>가입되었습니다!</translation>
    </message>
    <message>
        <source>密码重置成功!</source>
        <translation>비밀번호가 재설정되었습니다!</translation>
    </message>
    <message>
        <source>密码重置失败:</source>
        <translation>비밀번호 재설정 실패:</translation>
    </message>
    <message>
        <source>没有可用的麦克风</source>
        <translation>사용할 수 있는 마이크가 없습니다</translation>
    </message>
    <message>
        <source>麦克风无法打开</source>
        <translation>마이크를 열 수 없습니다</translation>
    </message>
    <message>
        <source>无法读取文件: %1</source>
        <translation>파일을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>服务器地址未配置 (%1)</source>
        <translation>서버 주소가 설정되지 않았습니다 (%1)</translation>
    </message>
    <message>
        <source>服务器地址无效: %1</source>
        <translation>잘못된 서버 주소: %1</translation>
    </message>
    <message>
        <source>请求超时, 服务器在%1秒内没有响应</source>
        <translation>요청 시간 초과: 서버가 %1초 안에 응답하지 않았습니다</translation>
    </message>
    <message>
        <source>网络连接失败: %1</source>
        <translation>네트워크 연결 실패: %1</translation>
    </message>
    <message>
        <source>服务器错误 (HTTP %1)</source>
        <translation>서버 오류 (HTTP %1)</translation>
    </message>
    <message>
        <source>服务器返回的数据无效</source>
        <translation>서버가 잘못된 데이터를 반환했습니다</translation>
    </message>
    <message>
        <source>连接邮件服务器失败!</source>
        <translation>메일 서버에 연결하지 못했습니다!</translation>
    </message>
    <message>
        <source>邮件服务器验证失败!</source>
        <translation>메일 서버 인증에 실패했습니다!</translation>
    </message>
    <message>
        <source>邮件发送失败!</source>
        <translation>메일을 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>邮件发送成功!</source>
        <translation>메일을 보냈습니다!</translation>
    </message>
</context>
<context>
    <name>TNotify</name>
    <message>
        <source>程序已经在运行中!</source>
        <translation>프로그램이 이미 실행 중입니다!</translation>
    </message>
    <message>
        <source>创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!</source>
        <translation>파일을 만들거나 쓰지 못했습니다. 파일 권한을 변경하거나 프로그램을 시스템 드라이브가 아닌 곳에 설치하세요!</translation>
    </message>
    <message>
        <source>导入数据的实际类型为%1, 和预期类型%2不匹配</source>
        <translation>가져온 데이터의 형식 %1이(가) 예상 형식 %2과(와) 일치하지 않습니다</translation>
    </message>
    <message>
        <source>没有可切换的常用功能, 请先在M键设置中选择常用功能!</source>
        <translation>전환할 자주 쓰는 기능이 없습니다. 먼저 M키 설정에서 자주 쓰는 기능을 선택하세요!</translation>
    </message>
    <message>
        <source>翻译语言不支持%1,设置会导致翻译无法生效!</source>
        <translation>번역에서 %1을(를) 지원하지 않아 이 설정으로는 번역이 작동하지 않습니다!</translation>
    </message>
    <message>
        <source>无法创建录音文件夹：%1</source>
        <translation>녹음 폴더를 만들 수 없습니다: %1</translation>
    </message>
    <message>
        <source>无法写入录音文件</source>
        <translation>녹음 파일을 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>录音保存失败</source>
        <translation>녹음을 저장하지 못했습니다</translation>
    </message>
    <message>
        <source>当前功能：%1</source>
        <translation>현재 기능: %1</translation>
    </message>
    <message>
        <source>未设置自定义快捷键</source>
        <translation>사용자 지정 단축키가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>搜索引擎地址无效</source>
        <translation>검색 엔진 주소가 잘못되었습니다</translation>
    </message>
    <message>
        <source>未设置网页地址</source>
        <translation>웹 주소가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>无法打开网页：%1</source>
        <translation>웹 페이지를 열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>请输入手机号或者邮箱号</source>
        <translation>휴대폰 번호 또는 이메일 주소를 입력하세요</translation>
    </message>
    <message>
        <source>账号，密码或验证码无效!</source>
        <translation>계정, 비밀번호 또는 인증 코드가 잘못되었습니다!</translation>
    </message>
    <message>
        <source>请输入有效的手机号或者邮箱</source>
        <translation>올바른 휴대폰 번호 또는 이메일 주소를 입력하세요</translation>
    </message>
    <message>
        <source>没有找到蓝牙适配器, 无法搜索蓝牙设备!</source>
        <translation>블루투스 어댑터를 찾을 수 없어 블루투스 기기를 검색할 수 없습니다!</translation>
    </message>
    <message>
        <source>正在搜索蓝牙设备...</source>
        <translation>블루투스 기기를 검색하는 중...</translation>
    </message>
    <message>
        <source>无法打开：%1</source>
        <translation>열 수 없습니다: %1</translation>
    </message>
    <message>
        <source>翻译失败：%1</source>
        <translation>번역 실패: %1</translation>
    </message>
    <message>
        <source>百度翻译未配置</source>
        <translation>Baidu 번역이 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>没有要翻译的文本</source>
        <translation>번역할 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>翻译结果为空</source>
        <translation>번역 결과가 비어 있습니다</translation>
    </message>
    <message>
        <source>语音合成服务未配置</source>
        <translation>음성 합성 서비스가 설정되지 않았습니다</translation>
    </message>
    <message>
        <source>没有播报的文本</source>
        <translation>읽어 줄 텍스트가 없습니다</translation>
    </message>
    <message>
        <source>语音合成结果为空</source>
        <translation>음성 합성 결과가 비어 있습니다</translation>
    </message>
    <message>
        <source>没有可用的扬声器</source>
        <translation>사용할 수 있는 스피커가 없습니다</translation>
    </message>
    <message>
        <source>播放失败</source>
        <translation>재생 실패</translation>
    </message>
    <message>
        <source>快捷键需要包含 Ctrl、Alt 或 Win 键</source>
        <translation>단축키에는 Ctrl, Alt 또는 Win 키가 포함되어야 합니다</translation>
    </message>
    <message>
        <source>截屏失败</source>
        <translation>화면 캡처 실패</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>복사되었습니다</translation>
    </message>
    <message>
        <source>已有下载任务</source>
        <translation>이미 다운로드가 진행 중입니다</translation>
    </message>
    <message>
        <source>检查更新失败: %1</source>
        <translation>업데이트 확인 실패: %1</translation>
    </message>
    <message>
        <source>当前版本已经是最新的，不需要更新</source>
        <translation>이미 최신 버전입니다</translation>
    </message>
    <message>
        <source>下载地址为空!</source>
        <translation>다운로드 주소가 비어 있습니다!</translation>
    </message>
    <message>
        <source>下载已终止</source>
        <translation>다운로드가 중단되었습니다</translation>
    </message>
    <message>
        <source>是否要退出登录?</source>
        <translation>로그아웃하시겠습니까?</translation>
    </message>
    <message>
        <source>请在文本框中填入热词，一行一条热词，按回车换行!</source>
        <translation>텍스트 상자에 핫워드를 한 줄에 하나씩 입력하세요(Enter로 줄 바꿈)!</translation>
    </message>
    <message>
        <source>没有选中数据!!</source>
        <translation>선택된 항목이 없습니다!</translation>
    </message>
    <message>
        <source>无热词数据!</source>
        <translation>핫워드가 없습니다!</translation>
    </message>
    <message>
        <source>导出成功!!</source>
        <translation>내보내기 완료!</translation>
    </message>
    <message>
        <source>导出失败!!</source>
        <translation>내보내기 실패!</translation>
    </message>
    <message>
        <source>导入文件无效或不含热词, 没有导入任何热词!</source>
        <translation>파일이 잘못되었거나 핫워드가 없어 아무것도 가져오지 않았습니다!</translation>
    </message>
    <message>
        <source>开启划词翻译</source>
        <translation>단어 선택 번역 켜짐</translation>
    </message>
    <message>
        <source>关闭划词翻译</source>
        <translation>단어 선택 번역 꺼짐</translation>
    </message>
</context>
<context>
    <name>TPointer</name>
    <message>
        <source>翻页笔</source>
        <translation>프레젠터</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>디지털 레이저</translation>
    </message>
</context>
<context>
    <name>TUI</name>
    <message>
        <source>软件设置</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>技术支持</source>
        <translation>기술 지원</translation>
    </message>
    <message>
        <source>意见反馈</source>
        <translation>의견 보내기</translation>
    </message>
    <message>
        <source>关于我们</source>
        <translation>회사 소개</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>알림</translation>
    </message>
    <message>
        <source>共%1条</source>
        <translation>총 %1건</translation>
    </message>
    <message>
        <source>无设备</source>
        <translation>기기 없음</translation>
    </message>
    <message>
        <source> 设备信息</source>
        <translation> 기기 정보</translation>
    </message>
    <message>
        <source> 语音打字</source>
        <translation> 음성 입력</translation>
    </message>
    <message>
        <source> 语音搜索</source>
        <translation> 음성 검색</translation>
    </message>
    <message>
        <source> 文本翻译</source>
        <translation> 텍스트 번역</translation>
    </message>
    <message>
        <source> M键设置</source>
        <translation> M키 설정</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>내 모국어</translation>
    </message>
    <message>
        <source>输出模式</source>
        <translation>출력 모드</translation>
    </message>
    <message>
        <source>兼容模式</source>
        <translation>호환 모드</translation>
    </message>
    <message>
        <source>动态模式</source>
        <translation>동적 모드</translation>
    </message>
    <message>
        <source>浮框模式</source>
        <translation>플로팅 창 모드</translation>
    </message>
    <message>
        <source>智能标点</source>
        <translation>스마트 문장 부호</translation>
    </message>
    <message>
        <source>智能标点描述</source>
        <translation>말하는 동안 문장 부호를 자동으로 넣습니다</translation>
    </message>
    <message>
        <source> AI智适应</source>
        <translation> AI 스마트 적응</translation>
    </message>
    <message>
        <source> 语言设置</source>
        <translation> 언어 설정</translation>
    </message>
    <message>
        <source> 热词搜索</source>
        <translation> 핫워드</translation>
    </message>
    <message>
        <source> 自定义指令</source>
        <translation> 사용자 지정 명령</translation>
    </message>
    <message>
        <source> 使用帮助</source>
        <translation> 도움말</translation>
    </message>
    <message>
        <source> 智能录音</source>
        <translation> 스마트 녹음</translation>
    </message>
    <message>
        <source> 演讲字幕</source>
        <translation> 실시간 자막</translation>
    </message>
    <message>
        <source> 飞鼠设置</source>
        <translation> 에어 마우스 설정</translation>
    </message>
    <message>
        <source> 录音记录</source>
        <translation> 녹음 기록</translation>
    </message>
    <message>
        <source>飞鼠</source>
        <translation>에어 마우스</translation>
    </message>
    <message>
        <source>数码光</source>
        <translation>디지털 레이저</translation>
    </message>
    <message>
        <source>调整大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>小</source>
        <translation>작게</translation>
    </message>
    <message>
        <source>中</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>大</source>
        <translation>크게</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>聚光灯</source>
        <translation>스포트라이트</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>돋보기</translation>
    </message>
    <message>
        <source>放大区域</source>
        <translation>확대 영역</translation>
    </message>
    <message>
        <source>放大倍数</source>
        <translation>확대 배율</translation>
    </message>
    <message>
        <source>光标</source>
        <translation>커서</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>음성 입력</translation>
    </message>
    <message>
        <source>翻译打字</source>
        <translation>번역 입력</translation>
    </message>
    <message>
        <source>截屏翻译</source>
        <translation>화면 캡처 번역</translation>
    </message>
    <message>
        <source>回车</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>回退</source>
        <translation>백스페이스</translation>
    </message>
    <message>
        <source>返回桌面</source>
        <translation>바탕 화면 보기</translation>
    </message>
    <message>
        <source>自定义快捷键</source>
        <translation>사용자 지정 단축키</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>음성 검색</translation>
    </message>
    <message>
        <source>一键百度</source>
        <translation>Baidu 검색</translation>
    </message>
    <message>
        <source>切换窗口</source>
        <translation>창 전환</translation>
    </message>
    <message>
        <source>一键打开网页</source>
        <translation>웹 페이지 열기</translation>
    </message>
    <message>
        <source>程序/文件</source>
        <translation>프로그램/파일</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>网址</source>
        <translation>웹 주소</translation>
    </message>
    <message>
        <source>语音搜索: %1</source>
        <translation>음성 검색: %1</translation>
    </message>
    <message>
        <source>请说话</source>
        <translation>말씀하세요</translation>
    </message>
    <message>
        <source>%1小时</source>
        <translation>%1시간</translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1분</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>请按下快捷键</source>
        <translation>단축키를 누르세요</translation>
    </message>
    <message>
        <source>拖动鼠标选择要翻译的区域，Esc 退出</source>
        <translation>드래그하여 번역할 영역을 선택하세요. Esc로 종료</translation>
    </message>
    <message>
        <source>下载失败: %1</source>
        <translation>다운로드 실패: %1</translation>
    </message>
    <message>
        <source>服务器长时间没有响应</source>
        <translation>서버가 오랫동안 응답하지 않습니다</translation>
    </message>
    <message>
        <source>文件大小不符 (%1 / %2 字节)</source>
        <translation>파일 크기가 일치하지 않습니다 (%1 / %2바이트)</translation>
    </message>
    <message>
        <source>无法保存文件 %1</source>
        <translation>파일 %1을(를) 저장할 수 없습니다</translation>
    </message>
    <message>
        <source>&amp;打开</source>
        <translation>열기(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;退出</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;扫描蓝牙设备</source>
        <translation>블루투스 기기 검색(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;检查更新</source>
        <translation>업데이트 확인(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;显示更新进度</source>
        <translation>업데이트 진행 상황 보기(&amp;P)</translation>
    </message>
    <message>
        <source>%1设备接入! </source>
        <translation>%1 연결됨! </translation>
    </message>
    <message>
        <source>设备拔出或无法连接! </source>
        <translation>기기가 분리되었거나 연결할 수 없습니다! </translation>
    </message>
    <message>
        <source>用户: 未登录</source>
        <translation>사용자: 로그인 안 됨</translation>
    </message>
    <message>
        <source>用户: %1</source>
        <translation>사용자: %1</translation>
    </message>
    <message>
        <source>请登录</source>
        <translation>로그인하세요</translation>
    </message>
    <message>
        <source>选择保存的文件</source>
        <translation>저장할 파일 선택</translation>
    </message>
    <message>
        <source>选择导入的文件</source>
        <translation>가져올 파일 선택</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>页面不存在: %1</source>
        <translation>페이지가 없습니다: %1</translation>
    </message>
    <message>
        <source>无法显示网页: 缺少网页组件</source>
        <translation>웹 페이지를 표시할 수 없습니다: 웹 구성 요소가 없습니다</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;입력 설정&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-mic.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;음성 키&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;를 누른 채 말하세요 (참고: 기기마다 안내가 다를 수 있습니다)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>个性化</source>
        <translation>개인 설정</translation>
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
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:12pt;&quot;&gt;음성 번역 입력&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:6px; margin-bottom:6px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;&lt;/span&gt;&lt;img src=&quot;:/resource/image/textIcon/text-translation.png&quot; style=&quot;vertical-align: middle;&quot; /&gt;&lt;span style=&quot; color:#ff9f1a;&quot;&gt;번역 키&lt;/span&gt;&lt;span style=&quot; color:#8e8e93;&quot;&gt;를 누른 채 말하면 모국어가 설정한 언어로 번역되어 입력됩니다&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>我的母语</source>
        <translation>내 모국어</translation>
    </message>
    <message>
        <source>翻译为</source>
        <translation>번역할 언어</translation>
    </message>
</context>
<context>
    <name>WebWithTitleTab</name>
    <message>
        <source>使用帮助</source>
        <translation>도움말</translation>
    </message>
</context>
</TS>
